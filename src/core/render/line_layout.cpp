#include "render/line_layout.h"

#include <algorithm>

#include "text/rounding.h"
#include "text/utf8.h"

namespace orvane {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A line may end before `index` of `text`: after blanks, or after a hyphen that joins two parts of a
// word (a hyphen after a blank starts a number or a dash and stays with what follows it).
bool breaksBefore(std::string_view text, std::size_t index) {
  if (index == 0 || index >= text.size() || isBlank(text[index])) return false;
  if (isBlank(text[index - 1])) return true;
  return text[index - 1] == '-' && index >= 2 && !isBlank(text[index - 2]);
}

int fittingWidth(std::string_view text, const LineMetrics& metrics) {
  return tabbedWidth(withoutTrailingBlanks(text), metrics);
}

// The bytes of the longest start of `text` that fits in `width`, and at least its first character:
// where a word wider than the whole line is cut.
std::size_t fittingCharacters(std::string_view text, int width, const LineMetrics& metrics) {
  std::vector<std::size_t> ends;  // the end of each character
  for (std::size_t offset = 0; offset < text.size();) {
    decodeUtf8(text, offset);
    ends.push_back(offset);
  }
  // Widths grow with the text, so the last end that fits is found by halving.
  const auto tooWide = std::partition_point(ends.begin() + 1, ends.end(), [&](std::size_t end) {
    return tabbedWidth(text.substr(0, end), metrics) <= width;
  });
  return *(tooWide - 1);
}

}  // namespace

int tabStopDistance(int dotsPerInch) { return std::max(1, roundToInt(0.5 * dotsPerInch)); }

std::vector<TabbedPiece> tabbedPieces(std::string_view line, const LineMetrics& metrics) {
  const int tabStop = std::max(1, metrics.tabStop);
  std::vector<TabbedPiece> pieces;
  std::size_t offset = 0;
  int x = 0;
  for (;;) {
    const std::size_t tab = std::min(line.find('\t', offset), line.size());
    TabbedPiece piece{offset, tab - offset, x, 0};
    if (piece.length > 0) piece.width = metrics.pieceWidth(line.substr(offset, piece.length));
    pieces.push_back(piece);
    if (tab == line.size()) return pieces;
    x = ((x + piece.width) / tabStop + 1) * tabStop;
    offset = tab + 1;
  }
}

int tabbedWidth(std::string_view line, const LineMetrics& metrics) {
  const TabbedPiece last = tabbedPieces(line, metrics).back();
  return last.x + last.width;
}

std::string_view withoutTrailingBlanks(std::string_view line) {
  while (!line.empty() && isBlank(line.back())) line.remove_suffix(1);
  return line;
}

std::size_t displayLineEnd(std::string_view paragraph, std::size_t start, int width,
                           const LineMetrics& metrics) {
  if (start >= paragraph.size()) return paragraph.size();
  const std::string_view rest = paragraph.substr(start);
  if (fittingWidth(rest, metrics) <= width) return paragraph.size();
  std::size_t lastFit = 0;
  std::size_t firstBreak = rest.size();
  for (std::size_t index = 1; index < rest.size(); ++index) {
    // Blanks alone do not make a line: leading blanks stay with the word after them.
    if (!breaksBefore(rest, index) || withoutTrailingBlanks(rest.substr(0, index)).empty()) continue;
    firstBreak = std::min(firstBreak, index);
    if (fittingWidth(rest.substr(0, index), metrics) > width) break;
    lastFit = index;
  }
  if (lastFit > 0) return start + lastFit;
  return start + fittingCharacters(rest.substr(0, firstBreak), width, metrics);
}

}  // namespace orvane
