#pragma once
// The main window's "test bitmap" commands: "fichier unique", "groupe de fichiers" and the two
// options "sauvegarde auto" and "mode silencieux" with their check marks.

#include <QPointer>
#include <functional>
#include <memory>

#include "bitmap/bitmap_commands.h"
#include "qt/qt_file_dialogs.h"
#include "shell/card_editor_shell.h"

class QWidget;

namespace orvane {

class MainWindowView;

/// Shows the directory chooser and gives the directory and files it showed when it closed, whichever
/// button closed it.
using DirectoryLister = std::function<DirectoryListing()>;
/// The progress display of a group run over many files.
using ProgressFactory = std::function<std::unique_ptr<Progress>(int fileCount)>;

class BitmapCommands {
 public:
  BitmapCommands(CardEditorShell& shell, Prompter& prompter);
  BitmapCommands(const BitmapCommands&) = delete;
  BitmapCommands& operator=(const BitmapCommands&) = delete;

  /// Connects the commands to their items in `mainWindow`'s menus, whose check marks show the options.
  void attach(MainWindowView& mainWindow);
  /// Replace the dialogs (tests script them).
  void setFileDialogs(FileDialogs& dialogs) { dialogs_ = &dialogs; }
  void setDirectoryLister(DirectoryLister lister) { lister_ = std::move(lister); }
  void setProgressFactory(ProgressFactory factory) { progressFactory_ = std::move(factory); }

  void fichierunique1Click();
  void groupedefichiers1Click();
  void sauvegardeauto1Click();
  void modesilencieux1Click();

  const BitmapCheckOptions& options() const { return options_; }

 private:
  void showCheckMarks();

  CardEditorShell& shell_;
  Prompter& prompter_;
  BitmapCheckOptions options_;
  MainWindowView* mainWindow_ = nullptr;
  QPointer<QWidget> mainWindowAlive_;  // the main window may be freed before the commands
  QtFileDialogs qtDialogs_;
  FileDialogs* dialogs_ = &qtDialogs_;
  DirectoryLister lister_;
  ProgressFactory progressFactory_;
};

}  // namespace orvane
