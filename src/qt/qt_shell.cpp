#include "qt/qt_shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace orvane {

bool QtShell::openDocument(const std::string& path) {
  // A relative name would become a "file:" address of no folder at all.
  return QDesktopServices::openUrl(
      QUrl::fromLocalFile(QFileInfo(QString::fromStdString(path)).absoluteFilePath()));
}

}  // namespace orvane
