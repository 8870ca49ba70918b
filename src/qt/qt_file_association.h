#pragma once
// File association on the desktop the program runs on: class keys of the registry on Windows, a
// desktop entry and a shared-mime-info type in the user's data folder elsewhere.

#include <QImage>
#include <QString>
#include <string>
#include <vector>

#include "services/file_association_service.h"
#include "settings/file_association.h"

class QSettings;

namespace orvane {

class QtFileAssociation : public FileAssociationService {
 public:
  /// `icon` is the picture the desktop shows for the program and its files.
  explicit QtFileAssociation(QImage icon) : icon_(std::move(icon)) {}

  bool registerFileType(const FileTypeRegistration& type) override;

 private:
  QImage icon_;
};

/// The full path of the running program file, with the system's separators: what the desktop starts.
std::string programFilePath();

/// Writes the default value of each class key under `classes`, in order; stops at the first key the
/// store refuses and returns false, leaving the keys before it written.
bool writeClassKeys(QSettings& classes, const std::vector<AssociationEntry>& entries);

/// The name the desktop files of `type` carry ("orvane-carte").
QString desktopTypeName(const FileTypeRegistration& type);
/// The desktop entry that opens files of `type` with the program.
QByteArray desktopEntryText(const FileTypeRegistration& type);
/// The shared-mime-info package that recognises files of `type` by their extension, in any case.
QByteArray mimePackageText(const FileTypeRegistration& type);

/// Writes the desktop entry, its icon and the mime package of `type` under `dataDirectory`, then
/// refreshes the desktop's caches with the tools found on the PATH. False when a file could not be written.
bool registerDesktopFileType(const FileTypeRegistration& type, const QString& dataDirectory,
                             const QImage& icon);

}  // namespace orvane
