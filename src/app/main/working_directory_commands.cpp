#include "app/main/working_directory_commands.h"

#include <QAction>

#include "app/main/main_window_view.h"
#include "app/tform9.h"
#include "qt/qt_file_association.h"
#include "qt/qt_text.h"
#include "settings/file_association.h"

namespace orvane {

std::optional<std::string> chooseDirectoryWithTForm9(QWidget* parent, const std::string& startDirectory) {
  TForm9 chooser(parent, toQString(startDirectory));
  if (chooser.exec() != QDialog::Accepted) return std::nullopt;
  return toStdString(chooser.directory());
}

WorkingDirectoryCommands::WorkingDirectoryCommands(WorkingDirectories& directories,
                                                   FileAssociationService& association, Prompter& prompter,
                                                   const ShellState& shellState)
    : directories_(directories),
      association_(association),
      prompter_(prompter),
      shellState_(shellState),
      chooser_(
          [this](const std::string& start) { return chooseDirectoryWithTForm9(chooserParent_, start); }) {}

void WorkingDirectoryCommands::attach(MainWindowView& mainWindow) {
  QWidget* window = mainWindow.dialogParent();
  chooserParent_ = window;
  QObject::connect(mainWindow.menus().file.workingDirectory, &QAction::triggered, window,
                   [this] { rpertoiredetravail1Click(); });
  QObject::connect(mainWindow.menus().help.fileAssociation, &QAction::triggered, window,
                   [this] { Associationdesfichiers1Click(); });
}

void WorkingDirectoryCommands::rpertoiredetravail1Click() {
  directories_.applyChooserOutcome(chooser_(directories_.directory(SettingKind::ParametersDirectory)));
}

void WorkingDirectoryCommands::Associationdesfichiers1Click() {
  associateFiles(AssociatedFile::Card, programFilePath(), association_, prompter_,
                 shellState_.interfaceLanguage);
}

}  // namespace orvane
