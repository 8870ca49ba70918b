#include "app/main/card_file_commands.h"

#include <QAction>

#include "app/card_editor.h"
#include "app/main/main_window_view.h"
#include "app/main/print_commands.h"
#include "app/tform1.h"
#include "catalogue/catalogue.h"
#include "qt/qt_progress.h"
#include "qt/qt_text.h"
#include "shell/card_merge_export.h"
#include "stock/stock_layout.h"
#include "text/file_path.h"
#include "text/line_file.h"

namespace orvane {

CardFileCommands::CardFileCommands(CardModel& card, CardEditorShell& shell, CompanionFiles& companions,
                                   WorkingDirectories& directories, Prompter& prompter)
    : card_(card), shell_(shell), companions_(companions), directories_(directories), prompter_(prompter) {}

void CardFileCommands::attach(MainWindowView& mainWindow, TForm1& cardWindow) {
  mainWindow_ = &mainWindow;
  mainWindowAlive_ = mainWindow.dialogParent();
  cardWindow_ = &cardWindow;
  QWidget* window = mainWindow.dialogParent();
  qtDialogs_.setParent(window);
  const FileMenu& file = mainWindow.menus().file;
  QObject::connect(file.load, &QAction::triggered, window, [this] { mcharger_click(); });
  QObject::connect(file.save, &QAction::triggered, window, [this] { msauvegarder_click(); });
  QObject::connect(file.exportPdf, &QAction::triggered, window, [this] { mexporterpdf_click(); });
  QObject::connect(file.cardMerge, &QAction::triggered, window, [this] { mpublipostage_click(); });
}

void CardFileCommands::cardFileLoadedAtStart(const std::string& path) {
  session_.cardFilePath = path;
  session_.cardFileLoaded = true;
}

void CardFileCommands::msauvegarder_click() {
  const SavedCardFile saved =
      saveCardFileCommand(card_, session_, screenResolution(), shell_.state().interfaceLanguage, services());
  // A card file that could not be written is reported as any error a handler met.
  if (!saved.error.empty()) shell_.reportUnhandledError(saved.error);
}

void CardFileCommands::mcharger_click() {
  if (!mainWindowAlive_ || !cardWindow_) return;
  const LoadCommandInput input{screenResolution(), shell_.cardWindow().trackBarTop};
  const LoadedCardFileView view =
      loadCardFileCommand(card_, session_, input, services(), shell_, &cardWindow_->renderer());
  if (!view.chosen) return;
  if (view.clearIconPreviews) mainWindow_->clearIconPreviews();
  cardWindow_->showModel();
  cardWindow_->rpaint();
  mainWindow_->enableFrameTransparency(view.transparencyEnabled);
  if (view.showTransparency) {
    // The boxes and the composite follow the file loaded, not the card shown before it.
    mainWindow_->showFrameTransparency(card_.frame(1).frameTransparent, card_.frame(2).frameTransparent);
    mainWindow_->redrawTransparentFrames();
  }
  if (view.caption) mainWindowAlive_->setWindowTitle(toQString(*view.caption));
  mainWindow_->placeMainWindowBesideCard();
  mainWindow_->updateCommandStates();
}

CardSheetPdf CardFileCommands::sheetPdf(const std::string& output) const {
  CardSheetPdf sheet;
  sheet.output = output;
  sheet.screenResolution = screenResolution();
  sheet.printMode = shell_.state().lastPrintMode;
  // A card file gives the card and its frames their colours; the start card has none chosen.
  sheet.cardColourChosen = session_.cardFileLoaded;
  sheet.frameColourChosen = {session_.cardFileLoaded, session_.cardFileLoaded};
  // The sheet of the card stock chosen, as it prints; a PDF file has no printer calibration.
  sheet.stock = shell_.state().cardStock;
  return sheet;
}

bool CardFileCommands::cardFitsStock() {
  const ShellState& state = shell_.state();
  if (state.cardStock.followsCard) return true;
  const auto refusal = stockRefusal(card_, state.cardStock, screenResolution(), state.interfaceLanguage);
  if (refusal) prompter_.show(MessageKind::Error, *refusal);
  return !refusal;
}

void CardFileCommands::mexporterpdf_click() {
  if (!cardWindow_) return;
  const std::optional<ChosenFile> chosen = dialogs_->saveFile(pdfExportRequest(session_, directories_));
  if (!chosen || !cardFitsStock()) return;
  RenderContext context = cardWindow_->renderContext();
  if (const auto failure = writeCardSheetPdf(context, sheetPdf(chosen->path))) {
    shell_.reportUnhandledError(*failure);
    return;
  }
  prompter_.show(MessageKind::Information, pdfWrittenMessage(chosen->path));
}

void CardFileCommands::mpublipostage_click() {
  if (!cardWindow_) return;
  const Language language = shell_.state().interfaceLanguage;
  const bool printerAvailable = printCommands_ && printers_->currentMeasurements().has_value();
  const auto chosen = askCardMergeExport(*dialogs_, prompter_, pdfExportRequest(session_, directories_),
                                         printerAvailable, language);
  if (!chosen) return;
  const auto bytes = readFileBytes(nativePath(chosen->dataFile));
  const CsvTable table = bytes ? readCsv(*bytes) : CsvTable{};
  if (table.rows.empty()) {
    prompter_.show(MessageKind::Error, cardMergeNoRowsMessage(language, chosen->dataFile));
    return;
  }
  CardMergeReport report;
  if (!chosen->printer) {
    if (cardFitsStock() && writeCardMerge(table, chosen->mixed, chosen->output, report))
      prompter_.show(MessageKind::Information,
                     cardMergeWrittenMessage(language, chosen->output, report.missing));
    return;
  }
  // The merge prints in the mode chosen as the print commands do: the mode stays for the next print.
  shell_.state().lastPrintMode = *chosen->printer;
  const PrintOutcome printed = printCommands_->printCardMerge(table, chosen->mixed, report);
  if (!printed.cancelled && !printed.failed)
    prompter_.show(MessageKind::Information,
                   cardMergePrintedMessage(language, printers_->currentPrinterName(), report.missing));
}

bool CardFileCommands::writeCardMerge(const CsvTable& table, bool mixed, const std::string& output,
                                      CardMergeReport& report) {
  RenderContext context = cardWindow_->renderContext();
  {
    const Language language = shell_.state().interfaceLanguage;
    QtProgress progress(mainWindowAlive_, toQString(catalogue::text(language, messageCardMerge)));
    report = writeCardMergePdf(context, card_, sheetPdf(output), {table, mixed, &progress});
  }
  if (report.cancelled) return false;
  if (report.failure) {
    shell_.reportUnhandledError(*report.failure);
    return false;
  }
  return true;
}

}  // namespace orvane
