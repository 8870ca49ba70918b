#include "qt/qt_settings_store.h"

#include <QDir>
#include <QSettings>
#include <memory>

#include "qt/qt_text.h"

namespace orvane {

namespace {
// A fresh object for each access: QSettings keeps the first error it met, and each write must be
// judged on its own.
std::unique_ptr<QSettings> openSettings() {
  return std::make_unique<QSettings>(QStringLiteral("Brevanel"), QStringLiteral("Orvane"));
}
}  // namespace

std::optional<std::string> QtSettingsStore::read(const std::string& name) {
  const QVariant value = openSettings()->value(toQString(name));
  if (!value.isValid()) return std::nullopt;
  return toStdString(value.toString());
}

bool QtSettingsStore::write(const std::string& name, const std::string& text) {
  const auto settings = openSettings();
  settings->setValue(toQString(name), toQString(text));
  settings->sync();
  return settings->status() == QSettings::NoError;
}

std::string settingsRootDirectory() {
#ifdef Q_OS_WIN
  return "c:\\";
#else
  QString home = QDir::homePath();
  if (!home.endsWith(QLatin1Char('/'))) home += QLatin1Char('/');
  return toStdString(home);
#endif
}

}  // namespace orvane
