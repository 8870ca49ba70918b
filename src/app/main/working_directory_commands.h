#pragma once
// The main window's "répertoire de travail" and "Association des fichiers " commands.

#include <QPointer>
#include <functional>
#include <optional>
#include <string>

#include "services/file_association_service.h"
#include "services/prompter.h"
#include "settings/working_directories.h"
#include "shell/card_editor_shell.h"

class QWidget;

namespace orvane {

class MainWindowView;

/// Asks the user for a directory, opening on `startDirectory`: the chosen directory after OK,
/// nothing after cancel.
using DirectoryChooser = std::function<std::optional<std::string>(const std::string& startDirectory)>;

/// Runs the directory chooser TForm9 modally over `parent`.
std::optional<std::string> chooseDirectoryWithTForm9(QWidget* parent, const std::string& startDirectory);

class WorkingDirectoryCommands {
 public:
  WorkingDirectoryCommands(WorkingDirectories& directories, FileAssociationService& association,
                           Prompter& prompter, const ShellState& shellState);
  // The default chooser refers to this object.
  WorkingDirectoryCommands(const WorkingDirectoryCommands&) = delete;
  WorkingDirectoryCommands& operator=(const WorkingDirectoryCommands&) = delete;

  /// Connects the commands to their items in `mainWindow`'s menus; the chooser opens over it.
  void attach(MainWindowView& mainWindow);
  /// Replaces the directory chooser (tests script it).
  void setChooser(DirectoryChooser chooser) { chooser_ = std::move(chooser); }

  void rpertoiredetravail1Click();
  void Associationdesfichiers1Click();

 private:
  WorkingDirectories& directories_;
  FileAssociationService& association_;
  Prompter& prompter_;
  const ShellState& shellState_;
  QPointer<QWidget> chooserParent_;
  DirectoryChooser chooser_;
};

}  // namespace orvane
