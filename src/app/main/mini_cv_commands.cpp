#include "app/main/mini_cv_commands.h"

#include <QAction>

#include "app/main/main_window_view.h"
#include "app/main/print_commands.h"
#include "app/orvane_application.h"
#include "app/tform1.h"

namespace orvane {

MiniCvCommands::MiniCvCommands(CardEditorShell& shell, Prompter& prompter, PictureService& pictures,
                               WorkingDirectories& directories, FileAssociationService& association,
                               CompanionFiles& companions, TextMetrics& metrics)
    : shell_(shell),
      prompter_(prompter),
      pictures_(pictures),
      directories_(directories),
      association_(association),
      companions_(companions),
      metrics_(metrics) {}

MiniCvCommands::~MiniCvCommands() = default;

void MiniCvCommands::attach(MainWindowView& mainWindow, TForm1& cardWindow) {
  mainWindow_ = &mainWindow;
  mainWindowAlive_ = mainWindow.dialogParent();
  cardWindow_ = &cardWindow;
  QObject::connect(mainWindow.menus().miniCv.edit, &QAction::triggered, mainWindow.dialogParent(),
                   [this] { edit_minicv(); });
  QObject::connect(mainWindow.menus().miniCv.load, &QAction::triggered, mainWindow.dialogParent(),
                   [this] { charger_minicv(); });
  QObject::connect(mainWindow.menus().miniCv.save, &QAction::triggered, mainWindow.dialogParent(),
                   [this] { sauvegarder_minicv(); });
  // "Imprimer" asks the orientation, then prints the mini-CV in colour.
  QObject::connect(mainWindow.menus().miniCv.print, &QAction::triggered, mainWindow.dialogParent(), [this] {
    if (printMenu_) printMenu_->commands().Imprimer1Click(queryDialog());
  });
}

void MiniCvCommands::setPrinting(PrinterService& printers, PrintMenuCommands& printCommands) {
  printers_ = &printers;
  printCommands_ = &printCommands;
}

void MiniCvCommands::setDialogs(const CvEditorDialogs& dialogs) { dialogs_ = dialogs; }

void MiniCvCommands::prepareEditor() {
  if (!editor_) makeEditor();
  // The language is the program's: the main window may have switched it since the last opening.
  if (sheet_->state.language != shell_.state().interfaceLanguage)
    editor_->changeLanguage(shell_.state().interfaceLanguage);
}

void MiniCvCommands::makeEditor() {
  sheet_ = std::make_unique<minicv::CvSheet>(shell_.state().interfaceLanguage);
  editor_ = std::make_unique<TForm7>(
      *sheet_, CvEditorServices{prompter_, *dialogs_.files, *dialogs_.colours, *dialogs_.query, pictures_,
                                directories_, association_, metrics_});
  fileMenu_ = std::make_unique<CvFileMenu>(
      *editor_,
      minicv::CvFileServices{*dialogs_.files, directories_, companions_, prompter_, metrics_, pictures_},
      cvFiles_);
  htmlMenu_ = std::make_unique<CvHtmlMenu>(
      *editor_, CvHtmlMenuServices{prompter_, *dialogs_.files, queryDialog(),
                                   dialogs_.shell ? *dialogs_.shell : qtShell_, directories_, metrics_});
  qtFiles_.setParent(editor_.get());
  QObject::connect(editor_.get(), &TForm7::editorLeft, editor_.get(), [this] { editorLeft(); });
  QObject::connect(editor_.get(), &TForm7::languageChanged, editor_.get(),
                   [this](Language language) { setInterfaceLanguage(shell_.state(), language); });
  QObject::connect(editor_.get(), &TForm7::quitRequested, editor_.get(), [this] {
    editor_->hide();
    if (mainWindowAlive_) mainWindow_->menus().file.quit->trigger();
  });
  if (printers_)
    printMenu_ = std::make_unique<CvPrintMenu>(
        *editor_, CvPrintMenuServices{shell_, *printers_, printCommands_->printDialogs(), prompter_,
                                      *dialogs_.colours, pictures_});
  if (printMenu_) printMenu_->loadCopiesThrough(cvFiles_, {companions_, prompter_, metrics_, pictures_});
  shell_.state().miniCvExists = true;
  if (mainWindowAlive_) mainWindow_->updateCommandStates();
}

void MiniCvCommands::edit_minicv() {
  prepareEditor();
  showEditor(false);
}

void MiniCvCommands::charger_minicv() {
  prepareEditor();
  if (fileMenu_->loadClick(1) > 0) showEditor(true);
}

void MiniCvCommands::sauvegarder_minicv() {
  if (fileMenu_) fileMenu_->sauvegarder1Click();
}

void MiniCvCommands::showEditor(bool fromLoadedFile) {
  editor_->open(fromLoadedFile);
  if (printMenu_) printMenu_->openedFromMainWindow();
  if (cardWindow_ && cardWindow_->isVisible()) cardWindow_->hide();
  if (!editor_->isVisible()) {
    if (mainWindowAlive_) mainWindow_->dialogParent()->hide();
    editor_->show();
  }
}

void MiniCvCommands::editorLeft() {
  if (mainWindowAlive_) mainWindow_->dialogParent()->show();
}

}  // namespace orvane
