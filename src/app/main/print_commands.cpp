#include "app/main/print_commands.h"

#include <QAction>
#include <QApplication>

#include "app/card_editor.h"
#include "app/main/main_window_view.h"
#include "app/tform1.h"
#include "qt/card_sheet_pdf.h"
#include "render/icon_drawing.h"
#include "shell/card_audit.h"

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

}  // namespace

PrintMenuCommands::PrintMenuCommands(CardEditorShell& shell, PrinterService& printers, Prompter& prompter,
                                     const CardFileSession& session)
    : shell_(shell),
      printers_(printers),
      prompter_(prompter),
      session_(session),
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
}

PageDrawing PrintMenuCommands::sheetDrawing() {
  return [this](Canvas& canvas, const PrinterMeasurements& page) {
    SheetSettings settings;
    settings.printer = page;
    settings.screenResolution = screenResolution();
    settings.printMode = shell_.state().lastPrintMode;
    settings.testPrint = shell_.state().testPrintMode;
    // A card file gives the card and its frames their colours; the start card has none chosen.
    settings.cardColourChosen = session_.cardFileLoaded;
    settings.frameColourChosen = {session_.cardFileLoaded, session_.cardFileLoaded};
    RenderContext context = cardWindow_->renderContext();
    const BusyCursor busy;
    drawCardSheetNow(context, canvas, settings);
  };
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

}  // namespace orvane
