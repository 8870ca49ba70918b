#pragma once
// The directory chooser: a drive list, the directory tree of the chosen drive and the files of the
// directory shown in the tree. Closes with OK ("ok") or Cancel ("cancel").

#include <QDialog>
#include <QStringList>

class QComboBox;
class QFileSystemModel;
class QListWidget;
class QModelIndex;
class QPushButton;
class QTreeView;

namespace orvane {

class TForm9 : public QDialog {
  Q_OBJECT
 public:
  /// Opens on `startDirectory`, or on the current directory when that one does not exist.
  explicit TForm9(QWidget* parent = nullptr, const QString& startDirectory = {});

  /// The directory shown in the tree, with the system's separators.
  QString directory() const;
  /// The names of the files listed for that directory.
  QStringList fileNames() const;
  /// Shows `path` in the tree, on its drive.
  void setDirectory(const QString& path);

  // Handlers.
  void drivecombobox1change(int index);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  /// Scrolls the tree so that its current directory is in view.
  void revealDirectory();
  /// Makes `path` the tree's directory and lists its files.
  void showDirectory(const QString& path);

  QComboBox* DriveComboBox1 = nullptr;
  QTreeView* DirectoryListBox1 = nullptr;
  QListWidget* FileListBox1 = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QPushButton* BitBtn2 = nullptr;
  QFileSystemModel* directoryModel_ = nullptr;
  QString directory_;
  bool keepInView_ = false;
};

/// The drives to choose from: the drive letters where the system has them, otherwise the file-system
/// root and the mounted volumes.
QStringList driveRoots();

}  // namespace orvane
