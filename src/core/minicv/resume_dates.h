#pragma once
// The dates column of a mini-CV zone as the ISO dates of a résumé: "2019", "2019-05", "2019-05-20",
// or two of them joined by "-" (spaces around it allowed); "2019-" is a period still running.

#include <optional>
#include <string>
#include <string_view>

namespace orvane::minicv {

struct DatePeriod {
  std::string start;
  std::string end;  // empty for a period still running
};

/// Whether `text` is "YYYY", "YYYY-MM" or "YYYY-MM-DD" with a year from 1000 to 2999.
bool isIsoDate(std::string_view text);

/// The period `text` names: one date is a period of that date alone (its start and end), two dates
/// joined by "-" run from the first to the second; nothing when `text` is something else.
std::optional<DatePeriod> parseDatePeriod(std::string_view text);

/// The column text of `period`, which `parseDatePeriod` reads back as the same period; a period with
/// an end alone is written as that one date.
std::string datePeriodText(const DatePeriod& period);

}  // namespace orvane::minicv
