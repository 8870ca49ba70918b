#include "minicv/resume_dates.h"

#include <cctype>

namespace orvane::minicv {

namespace {

bool digits(std::string_view text) {
  for (char c : text)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

bool twoDigitsBetween(std::string_view text, int low, int high) {
  if (text.size() != 2 || !digits(text)) return false;
  const int value = (text[0] - '0') * 10 + (text[1] - '0');
  return value >= low && value <= high;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace

bool isIsoDate(std::string_view text) {
  if (text.size() < 4 || !digits(text.substr(0, 4)) || (text[0] != '1' && text[0] != '2')) return false;
  if (text.size() == 4) return true;
  if (text[4] != '-' || !twoDigitsBetween(text.substr(5, 2), 1, 12)) return false;
  if (text.size() == 7) return true;
  return text.size() == 10 && text[7] == '-' && twoDigitsBetween(text.substr(8), 1, 31);
}

std::optional<DatePeriod> parseDatePeriod(std::string_view text) {
  text = trimmed(text);
  if (isIsoDate(text)) return DatePeriod{std::string(text), std::string(text)};
  // The dash between two dates is the first one whose left side is a whole date.
  for (std::size_t dash = text.find('-'); dash != std::string_view::npos; dash = text.find('-', dash + 1)) {
    const std::string_view start = trimmed(text.substr(0, dash));
    const std::string_view end = trimmed(text.substr(dash + 1));
    if (isIsoDate(start) && (end.empty() || isIsoDate(end)))
      return DatePeriod{std::string(start), std::string(end)};
  }
  return std::nullopt;
}

std::string datePeriodText(const DatePeriod& period) {
  if (period.start.empty() || period.start == period.end) return period.end;
  return period.start + "-" + period.end;
}

}  // namespace orvane::minicv
