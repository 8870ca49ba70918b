#include "qt/sheet_date_time.h"

#include <QLocale>
#include <QRegularExpression>

#include "qt/qt_text.h"

namespace orvane {

std::string sheetDateTime(const QDateTime& moment) {
  const QLocale locale = QLocale::system();
  // Qt's long time names the time zone, which a footer line does without.
  QString timeFormat = locale.timeFormat(QLocale::LongFormat);
  timeFormat.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b")));
  const QString text = locale.toString(moment.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                       locale.toString(moment.time(), timeFormat.trimmed());
  return toStdString(text);
}

}  // namespace orvane
