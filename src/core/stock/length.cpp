#include "stock/length.h"

#include <array>
#include <charconv>
#include <cmath>

namespace orvane {

namespace {

constexpr double mmPerPoint = mmPerInch / 72;

struct Unit {
  std::string_view name;
  double millimetres;
};

constexpr std::array units{Unit{"mm", 1}, Unit{"cm", 10}, Unit{"in", mmPerInch}, Unit{"pt", mmPerPoint},
                           Unit{"", mmPerPoint}};

// The number at the start of `text` and where it ends; nothing when there is none.
std::optional<double> leadingNumber(std::string_view text, std::size_t& end) {
  double value = 0;
  const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || !std::isfinite(value)) return std::nullopt;
  end = static_cast<std::size_t>(ptr - text.data());
  return value;
}

}  // namespace

LengthReading readLength(std::string_view text) {
  std::size_t end = 0;
  const std::optional<double> number = leadingNumber(text, end);
  if (!number || *number < 0) return {};
  const std::string_view unit = text.substr(end);
  for (const Unit& known : units)
    if (unit == known.name) return {*number * known.millimetres};
  return {std::nullopt, LengthProblem::UnknownUnit};
}

std::string decimalText(double value, int decimals) {
  std::array<char, 48> digits{};
  const auto written =
      std::to_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed, decimals);
  std::string text(digits.data(), written.ptr);
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}

std::optional<double> readDecimal(std::string_view text) {
  std::size_t end = 0;
  const std::optional<double> number = leadingNumber(text, end);
  if (!number || end != text.size()) return std::nullopt;
  return number;
}

}  // namespace orvane
