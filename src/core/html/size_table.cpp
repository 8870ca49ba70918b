#include "html/size_table.h"

#include <algorithm>
#include <array>

namespace orvane::html {

namespace {

// One column per browser: IE3, IE4, IE5up, NS3, NS4, NS5up, Opera, Chrome, Safari, other. The odd
// values (a memo 8 pixels high in IE4, 151 pixels wide in Safari) are measured, not typing slips.
constexpr std::array<BrowserSizes, 10> table{{
    {23, 25, 1, 5, 23, 61, 0.0, 11, 9, 19, 19, 21, 75, 10, 5.0, 6, 13, 26, 13, 0, 5},
    {24, 20, 1, 7, 24, 0, 0.5, 4, 12, 19, 19, 22, 34, 1, 6.7, 6, 16, 8, 16, 22, 8},
    {24, 16, 1, 8, 24, 0, 0.5, 4, 11, 19, 19, 22, 41, 1, 6.0, 6, 16, 32, 16, 16, 8},
    {24, 16, 1, 8, 24, 0, 0.5, 4, 11, 19, 19, 22, 41, 1, 6.0, 6, 16, 32, 16, 16, 8},
    {20, 15, 1, 8, 20, 0, 0.5, 4, 10, 20, 20, 22, 40, 1, 5.0, 6, 15, 30, 15, 15, 8},
    {20, 15, 1, 8, 20, 0, 0.5, 4, 10, 20, 20, 22, 40, 1, 5.0, 6, 15, 30, 15, 15, 8},
    {20, 15, 1, 8, 20, 0, 0.5, 4, 10, 20, 20, 22, 40, 1, 5.0, 6, 15, 30, 15, 15, 8},
    {20, 15, 1, 8, 20, 0, 0.5, 4, 10, 20, 20, 22, 40, 1, 5.0, 6, 15, 30, 15, 15, 8},
    {20, 15, 1, 8, 20, 0, 0.5, 4, 10, 20, 20, 22, 40, 1, 5.0, 6, 15, 30, 15, 151, 8},
    {20, 15, 1, 8, 20, 0, 0.5, 4, 10, 20, 20, 22, 40, 1, 5.0, 6, 15, 30, 15, 15, 8},
}};

}  // namespace

int browserIndex(THBrowserFamily family) {
  return family == THBrowserFamily::bfDefault ? 1 : static_cast<int>(family) - 1;
}

const BrowserSizes& browserSizes(THBrowserFamily family) {
  return table[static_cast<std::size_t>(browserIndex(family))];
}

bool bordersOneWider(THBrowserFamily family) {
  const int index = browserIndex(family);
  return index == browserIndex(THBrowserFamily::bfNS3) || index == browserIndex(THBrowserFamily::bfNS4);
}

}  // namespace orvane::html

namespace orvane::html {

int ceilDiv(int a, int b) { return a / b + (a % b != 0 ? 1 : 0); }

int boundedExtent(long long pixels) {
  return static_cast<int>(std::clamp<long long>(pixels, 0, largestExtent));
}

int boundedPosition(long long pixels) {
  return static_cast<int>(std::clamp<long long>(pixels, -largestExtent, largestExtent));
}

int editSizeFor(int width, const BrowserSizes& sizes) {
  const int d = width - sizes.editBaseWidth;
  int size = sizes.editMinSize;
  if (d > 0) size += d / sizes.editPxPerChar;
  // A narrow edit still gets the character its remainder asks for, as the browsers round up.
  if (d % sizes.editPxPerChar != 0) ++size;
  return size;
}

int memoColsFor(int width, const BrowserSizes& sizes) {
  return ceilDiv(std::max(width, sizes.memoBaseWidth) - sizes.memoBaseWidth, sizes.memoPxPerCol);
}

int memoRowsFor(int height, const BrowserSizes& sizes) {
  return ceilDiv(std::max(height, sizes.memoBaseHeight) - sizes.memoBaseHeight, sizes.memoPxPerRow);
}

int listBoxRowsFor(int height, const BrowserSizes& sizes) {
  const int rest = height - sizes.listBoxBaseHeight;
  return rest / sizes.listBoxPxPerRow + (rest % sizes.listBoxPxPerRow != 0 ? 1 : 0);
}

}  // namespace orvane::html
