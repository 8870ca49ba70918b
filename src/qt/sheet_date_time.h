#pragma once
// The date and time the sheet's footer shows, written the way the system writes them.

#include <QDateTime>
#include <string>

namespace orvane {

/// `moment` as the system's short date, a blank and its long time (without a time zone).
std::string sheetDateTime(const QDateTime& moment);

}  // namespace orvane
