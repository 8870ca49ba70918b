#pragma once
// How big each browser draws the form controls, in pixels unless stated: the converter estimates every
// control's size from these to lay the page out in a table.

namespace orvane::html {

enum class THBrowserFamily {
  bfDefault,
  bfIE3,
  bfIE4,
  bfIE5up,
  bfNS3,
  bfNS4,
  bfNS5up,
  bfOpera,
  bfChrome,
  bfSafari,
  bfOtherUnknownBrowser,
};

struct BrowserSizes {
  int editHeight;
  int editBaseWidth;
  int editMinSize;  // characters
  int editPxPerChar;
  int buttonHeight;
  int buttonMinTextWidth;
  double buttonFactor;
  int buttonPadding;
  int buttonFontSize;  // points
  int checkHeight;
  int checkWidth;
  int comboHeight;
  int listBaseWidth;
  int listCharsInBase;  // characters
  double listPxPerChar;
  int listBoxBaseHeight;
  int listBoxPxPerRow;
  int memoBaseHeight;
  int memoPxPerRow;
  int memoBaseWidth;
  int memoPxPerCol;
};

/// The column of the size table, 0 to 9; the default family measures as the second one.
int browserIndex(THBrowserFamily family);
const BrowserSizes& browserSizes(THBrowserFamily family);
/// The two families whose table borders are written one wider than asked, to look the same.
bool bordersOneWider(THBrowserFamily family);

}  // namespace orvane::html

namespace orvane::html {

/// The characters an edit of `width` pixels shows.
int editSizeFor(int width, const BrowserSizes& sizes);
/// The columns and rows of a memo of that width and height.
int memoColsFor(int width, const BrowserSizes& sizes);
int memoRowsFor(int height, const BrowserSizes& sizes);
/// The rows a list box of `height` pixels shows.
int listBoxRowsFor(int height, const BrowserSizes& sizes);
/// a / b rounded up, for a >= 0 and b > 0.
int ceilDiv(int a, int b);

/// The widest and tallest the page lays a control out, in pixels, and the farthest from its container's
/// corner: larger estimates are cut to it, so that positions and sizes add up without overflow.
inline constexpr int largestExtent = 1'000'000;
/// A size in pixels, from 0 to largestExtent.
int boundedExtent(long long pixels);
/// A position in pixels, from -largestExtent to largestExtent.
int boundedPosition(long long pixels);

}  // namespace orvane::html
