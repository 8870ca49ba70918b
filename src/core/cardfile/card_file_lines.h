#pragma once
// The 51 numbered lines of the card file, described once for the reader and the writer: each line's
// number, the label written before its value, the kind of value it holds and how that kind is read
// and written.

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

enum class CardLineKind {
  Path,              // a file path; leading blanks are dropped on reading
  Orientation,       // "paysage" or "portrait"
  FontName,          // taken as it is, may be empty
  Reserved,          // written empty, never read
  Length,            // screen pixels at the resolution of the resolution line, rescaled on reading
  BackgroundColour,  // after the label's "$": "00" and six hexadecimal digits, or nothing
  Alignment,         // 0 left, 1 right, 2 centre
  FontSize,          // points, never rescaled
  StyleCode,         // 2 bold + 4 italic + 8 underline
  FontColour,        // a signed decimal number: system colours are negative
  Resolution,        // the screen resolution the file was saved at
  Transparency,      // 1 frame 1 + 2 frame 2
};

/// Names of the lines by their number.
enum CardLine : int {
  lineFrame1Text = 1,
  lineFrame2Text = 2,
  lineOrientation = 3,
  linePatternFile = 4,
  lineIconFile = 5,
  lineHeaderFont1Name = 6,
  lineHeaderFont2Name = 7,
  lineBodyFont1Name = 8,
  lineBodyFont2Name = 9,
  lineCardWidth = 15,
  lineCardHeight = 16,
  lineCardTop = 17,
  lineCardColour = 18,
  lineFrame1Width = 19,  // then its height and top
  lineFrame2Width = 22,  // then its height and top
  lineFrame1Alignment = 25,
  lineFrame2Alignment = 26,
  lineFrame2Left = 27,
  lineFrame1Left = 28,
  lineFrame1Colour = 30,
  lineFrame2Colour = 31,
  lineIconWidth = 32,
  lineIconHeight = 33,
  lineIconTop = 34,
  lineIconLeft = 35,
  lineSpacing = 36,
  lineHeaderFont1Size = 37,  // each font: size, then style code, then colour
  lineHeaderFont2Size = 40,
  lineBodyFont1Size = 43,
  lineBodyFont2Size = 46,
  lineResolution = 49,
  lineTransparency = 50,
};

struct CardLineFormat {
  int number;
  std::string_view label;  // the text after "N - ", up to where the value starts
  CardLineKind kind;
};

inline constexpr int cardLineCount = 51;

/// The format of line `number` (1 to 51).
const CardLineFormat& cardLineFormat(int number);

/// Whether a line of `kind` holds a number (it is then read as an integer) rather than a text.
bool holdsNumber(CardLineKind kind);

/// A text value as read from a line of `kind`: paths lose their leading blanks.
std::string_view readText(CardLineKind kind, std::string_view value);

/// How a number is written on a line of `kind`: background colours in hexadecimal, font colours as
/// the signed number the reader takes back, anything else in decimal.
std::string numberText(CardLineKind kind, std::int64_t value);

/// The whole line `number` holding `value`: "N - " + label + value.
std::string cardLineText(int number, std::string_view value);

}  // namespace orvane
