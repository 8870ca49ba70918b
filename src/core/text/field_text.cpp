#include "text/field_text.h"

#include <cstdint>
#include <limits>

namespace orvane {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::optional<unsigned> digitValue(char c, unsigned base) {
  unsigned value = base;  // not a digit unless set below
  if (c >= '0' && c <= '9') value = static_cast<unsigned>(c - '0');
  if (c >= 'A' && c <= 'F') value = static_cast<unsigned>(c - 'A' + 10);
  if (c >= 'a' && c <= 'f') value = static_cast<unsigned>(c - 'a' + 10);
  if (value >= base) return std::nullopt;
  return value;
}

// The magnitude the digits of `text` spell in `base`, or nothing when a character is no digit or the
// magnitude passes `limit`.
std::optional<std::uint64_t> magnitudeOf(std::string_view digits, unsigned base, std::uint64_t limit) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t magnitude = 0;
  for (const char c : digits) {
    const auto digit = digitValue(c, base);
    if (!digit) return std::nullopt;
    magnitude = magnitude * base + *digit;
    if (magnitude > limit) return std::nullopt;
  }
  return magnitude;
}

}  // namespace

std::string_view trimLeadingBlanks(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && isBlank(text[start])) ++start;
  return text.substr(start);
}

std::optional<int> tryParseInteger(std::string_view text) {
  text = trimLeadingBlanks(text);
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);

  if (!text.empty() && text.front() == '$') {
    const auto pattern = magnitudeOf(text.substr(1), 16, std::numeric_limits<std::uint32_t>::max());
    if (!pattern) return std::nullopt;
    const auto bits = static_cast<std::uint32_t>(*pattern);
    return static_cast<int>(negative ? 0u - bits : bits);  // modular, as 32-bit arithmetic is
  }

  const std::uint64_t limit = negative ? std::uint64_t{1} << 31 : std::numeric_limits<int>::max();
  const auto magnitude = magnitudeOf(text, 10, limit);
  if (!magnitude) return std::nullopt;
  const auto value = static_cast<std::int64_t>(*magnitude);
  return static_cast<int>(negative ? -value : value);
}

int parseInteger(std::string_view text) { return tryParseInteger(text).value_or(0); }

}  // namespace orvane
