#pragma once
// The card editor as the entry starts it: the one card model, the card window, the main window and
// the rules that join them, over the services it is given.

#include <QPointer>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "app/main/bitmap_commands.h"
#include "app/main/card_file_commands.h"
#include "app/main/element_commands.h"
#include "app/main/mini_cv_commands.h"
#include "app/main/print_commands.h"
#include "app/main/print_shop_commands.h"
#include "app/main/working_directory_commands.h"
#include "app/start_icon.h"
#include "app/tform1.h"
#include "app/tform2.h"
#include "card/card_model.h"
#include "qt/qt_file_association.h"
#include "qt/qt_picture_service.h"
#include "qt/qt_text_metrics.h"
#include "richtext/companion_files.h"
#include "settings/settings.h"
#include "settings/working_directories.h"
#include "shell/card_editor_shell.h"

namespace orvane {

class CardEditor {
 public:
  CardEditor(Prompter& prompter, PrinterService& printers, SettingsStore& settingsStore);
  ~CardEditor();

  /// Builds both windows with the start card; `path` names a card file given on the command line.
  void startCardEditor(const std::string& path);
  /// Loads the card file named on the command line into the card shown at start.
  void loadCardFileAtStart(const std::string& path, int resolution);
  /// Shows the main window and returns when its modal run ends; then closes it.
  void runMainWindow();

  /// `appexception`: reports an error that escaped a handler; the program goes on.
  void appexception(const std::string& what) { shell_.reportUnhandledError(what); }

  CardModel& card() { return card_; }
  CompanionFiles& companions() { return companions_; }
  CardEditorShell& shell() { return shell_; }
  WorkingDirectories& workingDirectories() { return directories_; }
  WorkingDirectoryCommands& workingDirectoryCommands() { return workingDirectoryCommands_; }
  CardFileCommands& cardFileCommands() { return cardFileCommands_; }
  ElementCommands& elementCommands() { return elementCommands_; }
  MiniCvCommands& miniCvCommands() { return miniCvCommands_; }
  PrintMenuCommands& printCommands() { return printCommands_; }
  PrintShopCommands& printShopCommands() { return printShopCommands_; }
  BitmapCommands& bitmapCommands() { return bitmapCommands_; }
  TForm1& cardWindow() { return *cardWindow_; }
  /// The main window, or null once it has been freed.
  TForm2* mainWindow() const { return mainWindow_; }

 private:
  CardModel card_;
  Prompter& prompter_;
  CardEditorShell shell_;
  CompanionFiles companions_{prompter_, shell_.state().interfaceLanguage};
  // The frame texts' working copies go to a folder of this run, not into the user's current folder.
  QTemporaryDir workingCopyFolder_;
  QtPictureService pictures_;
  QtTextMetrics screenMetrics_;
  Settings settings_;
  WorkingDirectories directories_{settings_};
  QtFileAssociation association_{startIcon().toImage()};
  WorkingDirectoryCommands workingDirectoryCommands_;
  CardFileCommands cardFileCommands_{card_, shell_, companions_, directories_, prompter_};
  ElementCommands elementCommands_{shell_, directories_, prompter_};
  MiniCvCommands miniCvCommands_{shell_,       prompter_,   pictures_,     directories_,
                                 association_, companions_, screenMetrics_};
  PrintMenuCommands printCommands_;
  PrintShopCommands printShopCommands_{shell_, directories_, prompter_, cardFileCommands_.session()};
  BitmapCommands bitmapCommands_{shell_, prompter_};
  std::unique_ptr<TForm1> cardWindow_;
  QPointer<TForm2> mainWindow_;
};

/// The logical resolution of the screen, in pixels per inch.
int screenResolution();

}  // namespace orvane
