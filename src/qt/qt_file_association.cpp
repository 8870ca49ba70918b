#include "qt/qt_file_association.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QXmlStreamWriter>

#include "qt/qt_image.h"
#include "qt/qt_text.h"
#include "text/file_path.h"
#include "text/staged_file.h"

namespace orvane {

namespace {

constexpr int refreshTimeoutMs = 30000;
// The name under which the icon theme finds the program's icon.
const QString iconName = QStringLiteral("orvane");

QString mimeTypeName(const FileTypeRegistration& type) {
  return QStringLiteral("application/x-") + desktopTypeName(type);
}

/// `path` as one argument of a desktop entry's Exec line: quoted, with the characters the quoting
/// reserves escaped, then with the escapes every desktop entry string gets.
QString execArgument(const QString& path) {
  QString quoted;
  for (const QChar c : path) {
    if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\')) {
      quoted += QLatin1Char('\\');
    }
    quoted += c;
  }
  quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
  quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool writeFile(const QString& path, const QByteArray& contents) {
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  return writeFileReplacing(nativePath(toStdString(path)), bytesOf(contents)).ok();
}

void refreshIfInstalled(const QString& tool, const QString& directory) {
  const QString program = QStandardPaths::findExecutable(tool);
  if (program.isEmpty()) return;
  QProcess process;
  process.start(program, {directory});
  process.waitForFinished(refreshTimeoutMs);
}

}  // namespace

bool QtFileAssociation::registerFileType(const FileTypeRegistration& type) {
#ifdef Q_OS_WIN
  // The user's own classes: writing them needs no administrator rights, and the system merges them
  // into the classes every program sees.
  QSettings classes(QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes"), QSettings::NativeFormat);
  return writeClassKeys(classes, classEntries(type));
#else
  return registerDesktopFileType(type, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                                 icon_);
#endif
}

std::string programFilePath() {
  return toStdString(QDir::toNativeSeparators(QCoreApplication::applicationFilePath()));
}

bool writeClassKeys(QSettings& classes, const std::vector<AssociationEntry>& entries) {
  for (const AssociationEntry& entry : entries) {
    QString key = toQString(entry.key).mid(1);  // past the leading backslash
    key.replace(QLatin1Char('\\'), QLatin1Char('/'));
    classes.setValue(key + QStringLiteral("/Default"), toQString(entry.value));
    classes.sync();
    if (classes.status() != QSettings::NoError) return false;
  }
  return true;
}

QString desktopTypeName(const FileTypeRegistration& type) {
  return toQString(type.className).toLower().replace(QLatin1Char('_'), QLatin1Char('-'));
}

QByteArray desktopEntryText(const FileTypeRegistration& type) {
  const QString text = QStringLiteral(
                           "[Desktop Entry]\n"
                           "Type=Application\n"
                           "Name=Orvane\n"
                           "Comment=%1\n"
                           "Exec=%2 %f\n"
                           "Icon=%4\n"
                           "MimeType=%3;\n"
                           "NoDisplay=true\n"
                           "Terminal=false\n")
                           .arg(toQString(type.description), execArgument(toQString(type.programPath)),
                                mimeTypeName(type), iconName);
  return text.toUtf8();
}

QByteArray mimePackageText(const FileTypeRegistration& type) {
  QByteArray text;
  QXmlStreamWriter xml(&text);
  xml.setAutoFormatting(true);
  xml.writeStartDocument();
  xml.writeDefaultNamespace(QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info"));
  xml.writeStartElement(QStringLiteral("mime-info"));
  xml.writeStartElement(QStringLiteral("mime-type"));
  xml.writeAttribute(QStringLiteral("type"), mimeTypeName(type));
  xml.writeTextElement(QStringLiteral("comment"), toQString(type.description));
  xml.writeEmptyElement(QStringLiteral("glob"));
  xml.writeAttribute(QStringLiteral("pattern"), QLatin1Char('*') + toQString(type.extension).toLower());
  xml.writeAttribute(QStringLiteral("case-sensitive"), QStringLiteral("false"));
  xml.writeEndDocument();
  return text;
}

bool registerDesktopFileType(const FileTypeRegistration& type, const QString& dataDirectory,
                             const QImage& icon) {
  const QDir data(dataDirectory);
  const QString applications = data.filePath(QStringLiteral("applications"));
  const QString mime = data.filePath(QStringLiteral("mime"));
  const QString name = desktopTypeName(type);
  const QString iconFile =
      QStringLiteral("icons/hicolor/%1x%2/apps/%3.png").arg(icon.width()).arg(icon.height()).arg(iconName);
  if (!writeFile(data.filePath(iconFile), pngOf(icon)) ||
      !writeFile(applications + QLatin1Char('/') + name + QStringLiteral(".desktop"),
                 desktopEntryText(type)) ||
      !writeFile(mime + QStringLiteral("/packages/") + name + QStringLiteral(".xml"),
                 mimePackageText(type))) {
    return false;
  }
  refreshIfInstalled(QStringLiteral("update-mime-database"), mime);
  refreshIfInstalled(QStringLiteral("update-desktop-database"), applications);
  return true;
}

}  // namespace orvane
