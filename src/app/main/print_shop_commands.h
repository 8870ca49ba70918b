#pragma once
// The main window's "Exporter pour l'imprimeur" in "fichier": the card as a print shop takes it, in a
// PDF file.

#include "qt/qt_file_dialogs.h"
#include "qt/qt_input_query.h"
#include "settings/working_directories.h"
#include "shell/card_file_commands.h"

namespace orvane {

class TForm1;
class MainWindowView;

class PrintShopCommands {
 public:
  /// `session` names the current card file and tells whether a card file gave the card its colours.
  PrintShopCommands(CardEditorShell& shell, WorkingDirectories& directories, Prompter& prompter,
                    const CardFileSession& session);
  PrintShopCommands(const PrintShopCommands&) = delete;
  PrintShopCommands& operator=(const PrintShopCommands&) = delete;

  /// Connects the command to its item in `mainWindow`'s menus; the file dialog opens over it.
  void attach(MainWindowView& mainWindow, TForm1& cardWindow);
  /// Replaces the dialogs (tests script them).
  void setDialogs(FileDialogs& files, InputQuery& query) {
    files_ = &files;
    query_ = &query;
  }

  void mexporterimprimeur_click();

 private:
  CardEditorShell& shell_;
  WorkingDirectories& directories_;
  Prompter& prompter_;
  const CardFileSession& session_;
  QtFileDialogs qtFiles_;
  QtInputQuery qtQuery_{nullptr};
  FileDialogs* files_ = &qtFiles_;
  InputQuery* query_ = &qtQuery_;
  TForm1* cardWindow_ = nullptr;
};

}  // namespace orvane
