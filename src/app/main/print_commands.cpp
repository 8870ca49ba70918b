#include "app/main/print_commands.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDateTime>
#include <QMenu>

#include "app/card_editor.h"
#include "app/main/calibration_dialog.h"
#include "app/main/main_window_view.h"
#include "app/tform1.h"
#include "catalogue/catalogue.h"
#include "qt/card_sheet_pdf.h"
#include "qt/qt_progress.h"
#include "qt/qt_text.h"
#include "qt/sheet_date_time.h"
#include "render/icon_drawing.h"
#include "shell/calibration_commands.h"
#include "shell/card_audit.h"
#include "shell/card_merge_export.h"
#include "stock/calibration_page.h"

namespace orvane {

namespace {

// The hourglass while a document goes to the printer.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

constexpr int captionStockMenu = 1248;
constexpr int captionCalibrationPage = 1249;
constexpr int captionCalibration = 1250;

SizeMm portrait(const SizeMm& paper) {
  return {std::min(paper.width, paper.height), std::max(paper.width, paper.height)};
}

}  // namespace

PrintMenuCommands::PrintMenuCommands(CardEditorShell& shell, PrinterService& printers, Prompter& prompter,
                                     const CardFileSession& session, SettingsStore& store)
    : shell_(shell),
      printers_(printers),
      prompter_(prompter),
      session_(session),
      store_(store),
      // The system's dialogs set up the system's printers only; over other printers they choose nothing.
      qtDialogs_(dynamic_cast<QtPrinterService*>(&printers), nullptr) {}

void PrintMenuCommands::attach(MainWindowView& mainWindow, TForm1& cardWindow) {
  mainWindow_ = &mainWindow;
  cardWindow_ = &cardWindow;
  QWidget* window = mainWindow.dialogParent();
  qtDialogs_.setParent(window);
  const PopupMenus& menus = mainWindow.menus();
  QObject::connect(menus.file.printerSetup, &QAction::triggered, window, [this] { Imprimante1Click(); });
  QObject::connect(menus.file.printBlackWhite, &QAction::triggered, window, [this] { mimpneb_click(); });
  QObject::connect(menus.file.printColour, &QAction::triggered, window, [this] { mimpcouleurs_click(); });
  QObject::connect(menus.control.testPrint, &QAction::triggered, window, [this] { testimpr(); });
  QObject::connect(menus.control.audit, &QAction::triggered, window, [this] { detectimpr(); });
  if (!measuresDialog_)
    measuresDialog_ = [this] {
      return askCalibrationMeasures(mainWindow_->dialogParent(), shell_.state().interfaceLanguage);
    };
  addStockItems(*menus.file.menu, menus.file.exportPdf);
}

void PrintMenuCommands::addStockItems(QMenu& fileMenu, QAction* before) {
  stocks_ = loadCardStocks(shell_.state().interfaceLanguage);
  const std::string chosen = store_.read(stockSettingName).value_or(orvaneSheetId);
  const CardStock* stock = findStock(stocks_.stocks, chosen);
  shell_.state().cardStock = stock ? *stock : orvaneSheet();
  stockMenu_ = new QMenu(&fileMenu);
  stockMenu_->setObjectName(QStringLiteral("mfeuillecartes"));
  stockChoices_ = new QActionGroup(stockMenu_);
  for (const CardStock& offered : stocks_.stocks) {
    QAction* choice = stockMenu_->addAction(toQString(offered.name));
    choice->setObjectName(toQString(offered.id));
    choice->setCheckable(true);
    choice->setChecked(offered.id == shell_.state().cardStock.id);
    stockChoices_->addAction(choice);
    QObject::connect(choice, &QAction::triggered, stockMenu_,
                     [this, id = offered.id] { chooseCardStock(id); });
  }
  fileMenu.insertMenu(before, stockMenu_);
  calibrationPage_ = new QAction(&fileMenu);
  calibrationPage_->setObjectName(QStringLiteral("mpagecalibrage_click"));
  calibration_ = new QAction(&fileMenu);
  calibration_->setObjectName(QStringLiteral("mcalibrage_click"));
  fileMenu.insertActions(before, {calibrationPage_, calibration_});
  QObject::connect(calibrationPage_, &QAction::triggered, &fileMenu, [this] { printCalibrationPage(); });
  QObject::connect(calibration_, &QAction::triggered, &fileMenu, [this] { calibratePrinter(); });
  // The interface language may have changed since the menu last showed.
  QObject::connect(&fileMenu, &QMenu::aboutToShow, &fileMenu, [this] { captionStockItems(); });
  captionStockItems();
}

void PrintMenuCommands::captionStockItems() {
  const Language language = shell_.state().interfaceLanguage;
  stockMenu_->setTitle(toQString(catalogue::text(language, captionStockMenu)));
  calibrationPage_->setText(toQString(catalogue::text(language, captionCalibrationPage)));
  calibration_->setText(toQString(catalogue::text(language, captionCalibration)));
}

SheetSettings PrintMenuCommands::sheetSettings(const PrinterMeasurements& page) {
  SheetSettings settings;
  settings.printer = page;
  settings.screenResolution = screenResolution();
  settings.printMode = shell_.state().lastPrintMode;
  settings.testPrint = shell_.state().testPrintMode;
  // A card file gives the card and its frames their colours; the start card has none chosen.
  settings.cardColourChosen = session_.cardFileLoaded;
  settings.frameColourChosen = {session_.cardFileLoaded, session_.cardFileLoaded};
  settings.stock = shell_.state().cardStock;
  settings.calibration = readCalibration(store_, printers_.currentPrinterName());
  return settings;
}

PageDrawing PrintMenuCommands::sheetDrawing() {
  return [this](Canvas& canvas, const PrinterMeasurements& page) {
    RenderContext context = cardWindow_->renderContext();
    const BusyCursor busy;
    drawCardSheetNow(context, canvas, sheetSettings(page));
  };
}

PrintOutcome PrintMenuCommands::printCardMerge(const CsvTable& table, bool mixed, CardMergeReport& report) {
  if (!cardWindow_) return {.cancelled = true};
  const DocumentDrawing draw = [&](PrintJob& job, int copies) {
    SheetSettings settings = sheetSettings(job.measurements());
    settings.dateTime = sheetDateTime(QDateTime::currentDateTime());
    RenderContext context = cardWindow_->renderContext();
    const QString label = toQString(catalogue::text(shell_.state().interfaceLanguage, messageCardMerge));
    // Cancel stops the drawing at the next row; the job is then dropped, not finished: the pages drawn
    // so far never leave the program (a system queue is handed the document only once it is whole).
    QtProgress progress(mainWindow_ ? mainWindow_->dialogParent() : nullptr, label);
    report = orvane::printCardMerge(context, shell_.card(), job, settings, {table, mixed, &progress}, copies);
    return PrintOutcome{
        .cancelled = report.cancelled, .failed = report.failure.has_value(), .pages = report.pages};
  };
  return commands().printDocument(draw);
}

void PrintMenuCommands::Imprimante1Click() {
  if (commands().Imprimante1Click(screenResolution()) && mainWindow_) mainWindow_->updateCommandStates();
}

void PrintMenuCommands::mimpneb_click() {
  if (cardWindow_) commands().mimpneb_click(sheetDrawing());
}

void PrintMenuCommands::mimpcouleurs_click() {
  if (cardWindow_) commands().mimpcouleurs_click(sheetDrawing());
}

void PrintMenuCommands::testimpr() {
  if (cardWindow_) commands().testimpr(sheetDrawing());
}

void PrintMenuCommands::detectimpr() {
  if (!cardWindow_) return;
  CardModel& card = shell_.card();
  RenderContext context = cardWindow_->renderContext();
  AuditInput input(card);
  input.printerAvailable = shell_.state().printerExists;
  input.printRatioX = shell_.state().printerRatios.x;
  input.stock = shell_.state().cardStock;
  input.screenResolution = screenResolution();
  input.lineFonts = frameLineFonts(card, context.screenMetrics, screenResolution());
  bool iconRefreshed = false;
  input.refreshIcon = [&card, &context, &iconRefreshed] {
    refreshIcon(card, context);
    iconRefreshed = true;
  };
  auditCard(input, printers_, prompter_, shell_.state().interfaceLanguage);
  // The icon read afresh may differ from the one shown, in picture and in size: the card window
  // shows it as measured.
  if (iconRefreshed) cardWindow_->showRedrawnIcon();
}

void PrintMenuCommands::chooseCardStock(const std::string& id) {
  if (!stockMessagesShown_ && !stocks_.messages.empty()) {
    stockMessagesShown_ = true;
    std::string skipped;
    for (const std::string& message : stocks_.messages) skipped += (skipped.empty() ? "" : "\n") + message;
    prompter_.show(MessageKind::Warning, skipped);
  }
  const CardStock* stock = findStock(stocks_.stocks, id);
  if (!stock) return;
  shell_.state().cardStock = *stock;
  store_.write(stockSettingName, id);
  for (QAction* choice : stockChoices_->actions())
    choice->setChecked(toStdString(choice->objectName()) == id);
}

void PrintMenuCommands::printCalibrationPage() {
  const SizeMm paper = portrait(shell_.state().cardStock.paper);
  const PageDrawing draw = [this, paper](Canvas& canvas, const PrinterMeasurements& page) {
    const BusyCursor busy;
    drawCalibrationPage(canvas, page, paper, printers_.currentPrinterName(),
                        sheetDateTime(QDateTime::currentDateTime()), shell_.state().interfaceLanguage);
  };
  commands().printSheet(draw, PageOrientation::Portrait, PrintMode::InColour, paper);
}

void PrintMenuCommands::calibratePrinter() {
  const std::optional<CalibrationMeasures> measures = measuresDialog_();
  if (measures)
    orvane::calibratePrinter(*measures, printers_, store_, prompter_, shell_.state().interfaceLanguage);
}

}  // namespace orvane
