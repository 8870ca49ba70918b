#pragma once
// Text crosses between the core (UTF-8 std::string) and Qt (QString) only through these.

#include <QColor>
#include <QString>
#include <string>

#include "colour.h"

namespace orvane {

inline QString toQString(const std::string& utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string toStdString(const QString& text) { return text.toUtf8().toStdString(); }

inline QColor toQColor(Colour colour) { return QColor(redOf(colour), greenOf(colour), blueOf(colour)); }
inline Colour toColour(const QColor& colour) { return rgb(colour.red(), colour.green(), colour.blue()); }

}  // namespace orvane
