#pragma once
// How a text control breaks a paragraph into the lines it displays, where no real screen measures them
// (the command-line tool, the tests): breaks fall after blanks or a hyphen inside a word, blanks at a
// break hang past the edge, a word wider than the control is cut after the last character that fits,
// and a tab moves on to the next stop.

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace orvane {

/// A frame's text keeps clear of its edges by this many screen pixels.
inline constexpr int frameTextInsetLeft = 2;
inline constexpr int frameTextInsetTop = 2;
inline constexpr int frameTextInsetRight = 3;

/// The distance between a frame's tab stops on a surface of `dotsPerInch`: half an inch, as in a
/// rich-text control.
int tabStopDistance(int dotsPerInch);

/// A text control as far as its layout goes, in screen pixels: how wide it is, how far its text keeps
/// from its edges, how far apart its tab stops are, and the screen's resolution.
struct TextBox {
  int width = 0;
  int insetLeft = 0;
  int insetTop = 0;
  int insetRight = 0;
  int tabStop = 48;
  int dotsPerInch = 96;
  bool operator==(const TextBox&) const = default;
};

/// A card frame `width` pixels wide on a screen of `dotsPerInch`.
TextBox frameTextBox(int width, int dotsPerInch);

/// What a line's layout measures with: the width of text holding no tab, in the line's font on the
/// surface that shows it, and the distance between tab stops on that surface.
struct LineMetrics {
  std::function<int(std::string_view)> pieceWidth;
  int tabStop = 1;
};

/// A piece of a line between tabs: its bytes in the line, where it starts from the line's start and
/// how wide it is.
struct TabbedPiece {
  std::size_t offset = 0;
  std::size_t length = 0;
  int x = 0;
  int width = 0;
  bool operator==(const TabbedPiece&) const = default;
};

/// The pieces of `line` between its tabs, each tab moving on to the first stop beyond the text
/// before it. A line without a tab is one piece.
std::vector<TabbedPiece> tabbedPieces(std::string_view line, const LineMetrics& metrics);

/// The width of `line` with its tabs expanded.
int tabbedWidth(std::string_view line, const LineMetrics& metrics);

/// `line` without the blanks (spaces and tabs) at its end.
std::string_view withoutTrailingBlanks(std::string_view line);

/// The end, as a byte offset, of the display line that starts at `start` in `paragraph` when lines are
/// `width` wide; the blanks at a break end the line they follow. Always past `start` while text is
/// left, so that every character finds a line.
std::size_t displayLineEnd(std::string_view paragraph, std::size_t start, int width,
                           const LineMetrics& metrics);

}  // namespace orvane
