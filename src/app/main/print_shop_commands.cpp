#include "app/main/print_shop_commands.h"

#include <QAction>

#include "app/card_editor.h"
#include "app/main/main_window_view.h"
#include "app/tform1.h"
#include "qt/print_shop_pdf.h"
#include "shell/print_shop_export.h"

namespace orvane {

PrintShopCommands::PrintShopCommands(CardEditorShell& shell, WorkingDirectories& directories,
                                     Prompter& prompter, const CardFileSession& session)
    : shell_(shell), directories_(directories), prompter_(prompter), session_(session) {}

void PrintShopCommands::attach(MainWindowView& mainWindow, TForm1& cardWindow) {
  cardWindow_ = &cardWindow;
  QWidget* window = mainWindow.dialogParent();
  qtFiles_.setParent(window);
  QObject::connect(mainWindow.menus().file.exportPrintShop, &QAction::triggered, window,
                   [this] { mexporterimprimeur_click(); });
}

void PrintShopCommands::mexporterimprimeur_click() {
  if (!cardWindow_) return;
  const Language language = shell_.state().interfaceLanguage;
  const auto asked =
      askPrintShopExport(*files_, *query_, prompter_, pdfExportRequest(session_, directories_), language);
  if (!asked) return;
  PrintShopSettings settings;
  settings.screenResolution = screenResolution();
  // A card file saved on another screen gives the card's size more exactly than its rescaled pixels.
  if (session_.cardFileLoaded)
    settings.recordedSize = recordedCardSize(session_.cardFilePath, shell_.card(), settings.screenResolution);
  settings.bleedMm = asked->bleedMm;
  // A card file gives the card and its frames their colours; the start card has none chosen.
  settings.cardColourChosen = session_.cardFileLoaded;
  settings.frameColourChosen = {session_.cardFileLoaded, session_.cardFileLoaded};
  RenderContext context = cardWindow_->renderContext();
  if (const auto failure = writePrintShopPdf(context, asked->output, settings)) {
    prompter_.show(MessageKind::Error, *failure);
    return;
  }
  prompter_.show(MessageKind::Information, printShopWrittenMessage(language, asked->output));
}

}  // namespace orvane
