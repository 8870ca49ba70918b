#include "qt/qt_file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>

#include "qt/qt_text.h"

namespace orvane {

namespace {

constexpr int previewSide = 128;

// A picture dialog shows the file under the cursor beside the list; only Qt's own dialog has room.
void addPicturePreview(QFileDialog& dialog) {
  auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
  if (!grid) return;
  auto* preview = new QLabel(&dialog);
  preview->setFixedSize(previewSide, previewSide);
  preview->setAlignment(Qt::AlignCenter);
  grid->addWidget(preview, 1, grid->columnCount(), grid->rowCount() - 1, 1);
  QObject::connect(&dialog, &QFileDialog::currentChanged, preview, [preview](const QString& path) {
    const QPixmap picture(path);
    preview->setPixmap(picture.isNull() ? QPixmap()
                                        : picture.scaled(previewSide, previewSide, Qt::KeepAspectRatio));
  });
}

std::optional<ChosenFile> runDialog(QWidget* parent, const FileDialogRequest& request,
                                    QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, toQString(request.title), toQString(request.initialFolder));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  const QStringList filters = qtNameFilters(request.filter);
  dialog.setNameFilters(filters);
  if (request.filterIndex > 0 && request.filterIndex < filters.size())
    dialog.selectNameFilter(filters.at(request.filterIndex));
  dialog.setDefaultSuffix(toQString(request.defaultExtension));
  // Asking before overwriting belongs to the save-name resolution, which offers an indexed name too.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (!request.initialName.empty()) dialog.selectFile(toQString(request.initialName));
  if (request.picturePreview) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    addPicturePreview(dialog);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const std::string path = toStdString(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
  return ChosenFile{path, extensionDiffers(path, request.defaultExtension)};
}

}  // namespace

QStringList qtNameFilters(std::string_view filter) {
  QStringList filters;
  for (const FileFilter& entry : parseFileFilter(filter))
    filters << toQString(entry.caption) + QStringLiteral(" (") +
                   toQString(entry.patterns).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                   QStringLiteral(")");
  return filters;
}

std::optional<ChosenFile> QtFileDialogs::openFile(const FileDialogRequest& request) {
  return runDialog(parent_, request, QFileDialog::AcceptOpen);
}

std::optional<ChosenFile> QtFileDialogs::saveFile(const FileDialogRequest& request) {
  return runDialog(parent_, request, QFileDialog::AcceptSave);
}

}  // namespace orvane
