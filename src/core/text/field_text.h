#pragma once
// The values of our parameter files as they follow a line's label: text with leading blanks, and
// integers in decimal or, after "$", in hexadecimal.

#include <optional>
#include <string_view>

namespace orvane {

/// `text` without the blanks (spaces and tabs) it starts with.
std::string_view trimLeadingBlanks(std::string_view text);

/// The integer `text` holds: leading blanks, an optional sign, then decimal digits, or "$" and
/// hexadecimal digits, with nothing after them. Nothing when the text is not such a number, when a
/// decimal number lies outside the 32-bit range, or when a hexadecimal one needs more than 32 bits.
/// A hexadecimal number is a 32-bit pattern, so that "$FFFFFFFF" is -1.
std::optional<int> tryParseInteger(std::string_view text);

/// tryParseInteger, with 0 for anything that is not a number.
int parseInteger(std::string_view text);

}  // namespace orvane
