#include "app/card_editor.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <exception>

#include "app/main/help_commands.h"
#include "app/main/language_switch.h"
#include "qt/qt_settings_store.h"
#include "qt/qt_text.h"
#include "text/rounding.h"

namespace orvane {

int screenResolution() { return roundToInt(QGuiApplication::primaryScreen()->logicalDotsPerInchX()); }

CardEditor::CardEditor(Prompter& prompter, PrinterService& printers, SettingsStore& settingsStore)
    : prompter_(prompter),
      shell_(card_, prompter, printers),
      settings_(settingsStore, prompter, settingsRootDirectory()),
      workingDirectoryCommands_(directories_, association_, prompter, shell_.state()),
      printCommands_(shell_, printers, prompter, cardFileCommands_.session(), settingsStore) {
  companions_.workingCopyFolder = toStdString(workingCopyFolder_.path());
  miniCvCommands_.setPrinting(printers, printCommands_);
  cardFileCommands_.setPrinting(printers, printCommands_);
}

CardEditor::~CardEditor() { delete mainWindow_.data(); }

void CardEditor::startCardEditor(const std::string& path) {
  if (card_.cardAccess) shell_.endCardAccess();
  const int resolution = screenResolution();
  setupStartCard(card_, resolution);
  cardWindow_ = std::make_unique<TForm1>(card_, shell_, RenderServices{prompter_, pictures_, screenMetrics_});
  cardWindow_->showModel();
  cardWindow_->show();
  mainWindow_ = new TForm2(shell_, *cardWindow_);
  // The working copies of the frame texts live as long as the main window.
  QObject::connect(mainWindow_, &QObject::destroyed, [this] { companions_.deleteWorkingCopies(); });
  // The companion files' messages are worded in the language of the moment.
  QObject::connect(&mainWindow_->languageSwitch(), &LanguageSwitch::languageChanged, mainWindow_,
                   [this](Language language) { companions_.language = language; });
  workingDirectoryCommands_.attach(*mainWindow_);
  cardFileCommands_.attach(*mainWindow_, *cardWindow_);
  elementCommands_.attach(*mainWindow_, *cardWindow_);
  miniCvCommands_.attach(*mainWindow_, *cardWindow_);
  attachHelpCommands(*mainWindow_, prompter_);
  printCommands_.attach(*mainWindow_, *cardWindow_);
  printShopCommands_.attach(*mainWindow_, *cardWindow_);
  bitmapCommands_.attach(*mainWindow_);
  // Read while the main window is set up; reading shows nothing, so it may come before postload.
  directories_.load();
  mainWindow_->postload(!path.empty(), resolution);
  mainWindow_->updateCommandStates();
  if (!path.empty()) loadCardFileAtStart(path, resolution);
}

void CardEditor::loadCardFileAtStart(const std::string& path, int resolution) {
  // No event handler runs yet, so what goes wrong here is reported the way a handler's error is,
  // and the editor still opens.
  try {
    if (!shell_.loadCardFileAtStart(path, resolution, companions_, &cardWindow_->renderer())) return;
    cardFileCommands_.cardFileLoadedAtStart(path);
    cardWindow_->showModel();
    cardWindow_->rpaint();
    mainWindow_->showFrameTransparency(card_.frame(1).frameTransparent, card_.frame(2).frameTransparent);
  } catch (const std::exception& error) {
    appexception(error.what());
  }
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
