#include "app/main/bitmap_commands.h"

#include <QAction>
#include <exception>

#include "app/main/main_window_view.h"
#include "app/tform9.h"
#include "catalogue/catalogue.h"
#include "qt/qt_progress.h"
#include "qt/qt_text.h"

namespace orvane {

namespace {

constexpr int messageWaitFor = 1127;
constexpr int messageFiles = 1128;

DirectoryListing listDirectoryWithTForm9(QWidget* parent) {
  TForm9 chooser(parent);
  chooser.exec();
  DirectoryListing listing{toStdString(chooser.directory()), {}};
  for (const QString& name : chooser.fileNames()) listing.fileNames.push_back(toStdString(name));
  return listing;
}

}  // namespace

BitmapCommands::BitmapCommands(CardEditorShell& shell, Prompter& prompter)
    : shell_(shell),
      prompter_(prompter),
      lister_([this] { return listDirectoryWithTForm9(mainWindowAlive_); }),
      progressFactory_([this](int fileCount) -> std::unique_ptr<Progress> {
        const Language language = shell_.state().interfaceLanguage;
        return std::make_unique<QtProgress>(
            mainWindowAlive_, toQString(catalogue::text(language, messageWaitFor) +
                                        std::to_string(fileCount) + catalogue::text(language, messageFiles)));
      }) {}

void BitmapCommands::attach(MainWindowView& mainWindow) {
  mainWindow_ = &mainWindow;
  QWidget* window = mainWindow.dialogParent();
  mainWindowAlive_ = window;
  qtDialogs_.setParent(window);
  const ControlMenu& control = mainWindow.menus().control;
  QObject::connect(control.checkOneFile, &QAction::triggered, window, [this] { fichierunique1Click(); });
  QObject::connect(control.checkFileGroup, &QAction::triggered, window, [this] { groupedefichiers1Click(); });
  QObject::connect(control.automaticBackup, &QAction::triggered, window, [this] { sauvegardeauto1Click(); });
  QObject::connect(control.silentMode, &QAction::triggered, window, [this] { modesilencieux1Click(); });
  showCheckMarks();
}

void BitmapCommands::showCheckMarks() {
  if (!mainWindowAlive_) return;
  mainWindow_->menus().control.automaticBackup->setChecked(options_.autoBackup);
  mainWindow_->menus().control.silentMode->setChecked(options_.silentMode);
}

void BitmapCommands::sauvegardeauto1Click() {
  options_.autoBackup = !options_.autoBackup;
  showCheckMarks();
}

void BitmapCommands::modesilencieux1Click() {
  options_.silentMode = !options_.silentMode;
  showCheckMarks();
}

void BitmapCommands::fichierunique1Click() {
  try {
    checkOneBitmapFile(*dialogs_, options_, prompter_, shell_.state().interfaceLanguage);
  } catch (const std::exception& error) {
    shell_.reportUnhandledError(error.what());
  }
}

void BitmapCommands::groupedefichiers1Click() {
  const DirectoryListing listing = lister_();
  const std::unique_ptr<Progress> progress = progressFactory_(static_cast<int>(listing.fileNames.size()));
  try {
    checkBitmapGroup(listing, options_, prompter_, shell_.state().interfaceLanguage, progress.get());
  } catch (const std::exception& error) {
    shell_.reportUnhandledError(error.what());
  }
  // A Yes to the global confirmation has switched silent mode on.
  showCheckMarks();
}

}  // namespace orvane
