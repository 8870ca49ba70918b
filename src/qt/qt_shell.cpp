#include "qt/qt_shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace orvane {

bool QtShell::openDocument(const std::string& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

}  // namespace orvane
