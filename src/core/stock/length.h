#pragma once
// Lengths as the label template files write them: a number and a unit (mm, cm, in or pt; a bare number
// is in points), and the decimal numbers this program writes back, the same in every locale.

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

inline constexpr double mmPerInch = 25.4;

/// Why a length could not be read.
enum class LengthProblem { NotANumber, UnknownUnit };

struct LengthReading {
  std::optional<double> millimetres;
  LengthProblem problem = LengthProblem::NotANumber;
};

/// `text` ("85mm", "3.5in", "12pt", "0") in millimetres; a negative length is not a number.
LengthReading readLength(std::string_view text);

/// A decimal number with at most `decimals` digits after the point, trailing zeros left out ("3.5").
std::string decimalText(double value, int decimals = 2);

/// A decimal number written with a point, as decimalText writes it; nothing for anything else.
std::optional<double> readDecimal(std::string_view text);

}  // namespace orvane
