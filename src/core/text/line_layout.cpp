#include "text/line_layout.h"

#include <algorithm>

#include "text/rounding.h"
#include "text/utf8.h"

namespace orvane {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The characters a line may break after.
constexpr std::string_view breakingCharacters = " \t-";

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

// The bytes of the longest start of `text` that fits in `width`, and at least its first character;
// `known` characters are already known to fit. Doubling the count until one overflows, then halving
// the gap, measures only about as far as the line reaches, however long the text.
std::size_t fittingCharacters(std::string_view text, std::size_t known, int width,
                              const LineMetrics& metrics) {
  std::vector<std::size_t> ends{0};  // ends[count]: the bytes of the first `count` characters
  const auto endOf = [&](std::size_t count) {
    std::size_t offset = ends.back();
    while (ends.size() <= count && offset < text.size()) {
      decodeUtf8(text, offset);
      ends.push_back(offset);
    }
    return ends[std::min(count, ends.size() - 1)];
  };
  const auto fits = [&](std::size_t count) {
    return fittingWidth(text.substr(0, endOf(count)), metrics) <= width;
  };
  std::size_t fit = std::max<std::size_t>(known, 1);
  std::size_t over = 0;
  while (over == 0) {
    endOf(2 * fit);
    const std::size_t probe = std::min(2 * fit, ends.size() - 1);
    if (probe == fit) return endOf(fit);  // no character left: the whole text fits
    (fits(probe) ? fit : over) = probe;
  }
  while (over - fit > 1) {
    const std::size_t middle = fit + (over - fit) / 2;
    (fits(middle) ? fit : over) = middle;
  }
  return endOf(fit);
}

}  // namespace

TextBox frameTextBox(int width, int dotsPerInch) {
  return {
      width,      frameTextInsetLeft, frameTextInsetTop, frameTextInsetRight, tabStopDistance(dotsPerInch),
      dotsPerInch};
}

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
  // Breaks are tried in order and only up to the first that overflows, so that a long paragraph is
  // measured about once over rather than once per line.
  std::size_t lastFit = 0;
  std::size_t firstBreak = rest.size();
  for (std::size_t after = rest.find_first_of(breakingCharacters); after != std::string_view::npos;
       after = rest.find_first_of(breakingCharacters, after + 1)) {
    const std::size_t index = after + 1;
    // Blanks alone do not make a line: leading blanks stay with the word after them.
    if (!breaksBefore(rest, index) || withoutTrailingBlanks(rest.substr(0, index)).empty()) continue;
    firstBreak = std::min(firstBreak, index);
    if (fittingWidth(rest.substr(0, index), metrics) > width)
      return start +
             (lastFit > 0 ? lastFit : fittingCharacters(rest.substr(0, firstBreak), 0, width, metrics));
    lastFit = index;
  }
  // Every break fits: what follows the last one decides whether the rest ends the paragraph here.
  const std::size_t fitting =
      fittingCharacters(rest, static_cast<std::size_t>(utf8Length(rest.substr(0, lastFit))), width, metrics);
  if (fitting == rest.size()) return paragraph.size();
  return start + (lastFit > 0 ? lastFit : fitting);
}

}  // namespace orvane
