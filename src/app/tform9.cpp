#include "app/tform9.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

namespace orvane {

namespace {

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
  auto* pushButton = new QPushButton(caption, parent);
  pushButton->setObjectName(QString::fromLatin1(name));
  return pushButton;
}

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity pathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity pathCase = Qt::CaseSensitive;
#endif

/// Whether `path` is `folder` or lies somewhere below it.
bool liesIn(const QString& path, const QString& folder) {
  return path.startsWith(folder, pathCase) &&
         (path.size() == folder.size() || folder.endsWith(QLatin1Char('/')) ||
          path.at(folder.size()) == QLatin1Char('/'));
}

/// The drive `path` lies on: the longest root that contains it.
QString driveOf(const QString& path, const QStringList& roots) {
  QString best;
  for (const QString& root : roots) {
    if (liesIn(path, root) && root.size() > best.size()) best = root;
  }
  return best;
}

}  // namespace

QStringList driveRoots() {
  QStringList roots;
  for (const QFileInfo& drive : QDir::drives()) roots << drive.absolutePath();
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    // Single files mounted into containers count as volumes too; only directories are drives.
    if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir())
      roots << volume.rootPath();
  }
  roots.removeDuplicates();
  std::sort(roots.begin(), roots.end());
  return roots;
}

TForm9::TForm9(QWidget* parent, const QString& startDirectory) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm9"));
  setWindowTitle(QStringLiteral("Orvane"));
  setModal(true);
  resize(460, 340);

  DriveComboBox1 = new QComboBox(this);
  DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
  for (const QString& root : driveRoots()) DriveComboBox1->addItem(QDir::toNativeSeparators(root), root);

  directoryModel_ = new QFileSystemModel(this);
  directoryModel_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  directoryModel_->setReadOnly(true);
  DirectoryListBox1 = new QTreeView(this);
  DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
  DirectoryListBox1->setModel(directoryModel_);
  DirectoryListBox1->setHeaderHidden(true);
  for (int column = 1; column < directoryModel_->columnCount(); ++column)
    DirectoryListBox1->hideColumn(column);

  FileListBox1 = new QListWidget(this);
  FileListBox1->setObjectName(QStringLiteral("FileListBox1"));

  BitBtn1 = button("BitBtn1", QStringLiteral("ok"), this);
  BitBtn2 = button("BitBtn2", QStringLiteral("cancel"), this);
  BitBtn1->setDefault(true);

  auto* lists = new QHBoxLayout;
  lists->addWidget(DirectoryListBox1, 1);
  lists->addWidget(FileListBox1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(DriveComboBox1);
  layout->addLayout(lists, 1);
  layout->addLayout(buttons);

  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
  connect(DriveComboBox1, &QComboBox::activated, this, &TForm9::drivecombobox1change);
  connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid()) showDirectory(directoryModel_->filePath(current));
          });
  // The model reads folders in the background: each folder read or sorted on the way to the shown one
  // moves it down, out of view again, until the user scrolls the tree where they want it.
  connect(directoryModel_, &QFileSystemModel::rowsInserted, this, [this](const QModelIndex& folder) {
    if (keepInView_ && liesIn(directory_, directoryModel_->filePath(folder))) revealDirectory();
  });
  connect(directoryModel_, &QFileSystemModel::layoutChanged, this, [this] {
    if (keepInView_) revealDirectory();
  });
  connect(DirectoryListBox1->verticalScrollBar(), &QScrollBar::actionTriggered, this,
          [this] { keepInView_ = false; });

  const QDir start(startDirectory);
  setDirectory(!startDirectory.isEmpty() && start.exists() ? start.absolutePath() : QDir::currentPath());
}

QString TForm9::directory() const { return QDir::toNativeSeparators(directory_); }

QStringList TForm9::fileNames() const {
  QStringList names;
  for (int row = 0; row < FileListBox1->count(); ++row) names << FileListBox1->item(row)->text();
  return names;
}

void TForm9::setDirectory(const QString& path) {
  const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path));
  const QString drive = driveOf(clean, driveRoots());
  {
    const QSignalBlocker blocker(DriveComboBox1);
    DriveComboBox1->setCurrentIndex(DriveComboBox1->findData(drive));
  }
  directoryModel_->setRootPath(drive);
  DirectoryListBox1->setRootIndex(directoryModel_->index(drive));
  const QModelIndex shown = directoryModel_->index(clean);
  if (shown != DirectoryListBox1->rootIndex()) {
    const QSignalBlocker blocker(DirectoryListBox1->selectionModel());
    DirectoryListBox1->setCurrentIndex(shown);
  }
  showDirectory(clean);
  keepInView_ = true;
  revealDirectory();
}

void TForm9::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Only a shown tree knows its height, and so what scrolling into view means.
  revealDirectory();
}

void TForm9::revealDirectory() {
  const QModelIndex current = DirectoryListBox1->currentIndex();
  if (current.isValid()) DirectoryListBox1->scrollTo(current, QAbstractItemView::PositionAtCenter);
}

void TForm9::drivecombobox1change(int index) {
  const QString drive = DriveComboBox1->itemData(index).toString();
  directoryModel_->setRootPath(drive);
  DirectoryListBox1->setRootIndex(directoryModel_->index(drive));
  DirectoryListBox1->setCurrentIndex({});
  showDirectory(drive);
}

void TForm9::showDirectory(const QString& path) {
  directory_ = path;
  FileListBox1->clear();
  FileListBox1->addItems(QDir(directory_).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

}  // namespace orvane
