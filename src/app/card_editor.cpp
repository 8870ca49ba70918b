#include "app/card_editor.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>

#include "qt/qt_settings_store.h"
#include "text/rounding.h"

namespace orvane {

int screenResolution() { return roundToInt(QGuiApplication::primaryScreen()->logicalDotsPerInchX()); }

CardEditor::CardEditor(Prompter& prompter, PrinterService& printers, SettingsStore& settingsStore)
    : shell_(card_, prompter, printers),
      settings_(settingsStore, prompter, settingsRootDirectory()),
      workingDirectoryCommands_(directories_, association_, prompter, shell_.state()) {}

CardEditor::~CardEditor() { delete mainWindow_.data(); }

void CardEditor::startCardEditor(const std::string& path) {
  std::string& language = shell_.state().interfaceLanguage;
  if (language.empty()) language = "fr";
  if (card_.cardAccess) shell_.endCardAccess();
  const int resolution = screenResolution();
  setupStartCard(card_, resolution);
  cardWindow_ = std::make_unique<TForm1>(card_, shell_);
  cardWindow_->showModel();
  cardWindow_->show();
  mainWindow_ = new TForm2(shell_, *cardWindow_);
  workingDirectoryCommands_.attach(*mainWindow_);
  // Read while the main window is set up; reading shows nothing, so it may come before postload.
  directories_.load();
  mainWindow_->postload(!path.empty(), resolution);
  mainWindow_->updateCommandStates();
}

void CardEditor::runMainWindow() {
  if (!mainWindow_) return;
  QEventLoop modalRun;
  QObject::connect(mainWindow_, &TForm2::modalRunEnded, &modalRun, &QEventLoop::quit);
  mainWindow_->show();
  modalRun.exec();
  // "Quitter" ends the run with the window still open; the close box has closed it already.
  if (mainWindow_ && mainWindow_->isVisible()) mainWindow_->formclose();
}

}  // namespace orvane
