#include "services/text_metrics.h"

#include <algorithm>
#include <string_view>

#include "text/line_layout.h"
#include "text/utf8.h"

namespace orvane {

namespace {

constexpr double pointsPerInch = 72.0;

std::size_t firstNonBlank(const std::string& text, std::size_t from) {
  return std::min(text.find_first_not_of(' ', from), text.size());
}

// The format of the character at byte `offset` of `paragraph`, looked up in the paragraph's own runs
// (the document's lookup walks the whole text, once per line would be quadratic); past the last
// character, the document says what a paragraph's end reports.
FontSpec formatInParagraph(const RichText& text, const Paragraph& paragraph, std::size_t offset,
                           int paragraphEnd) {
  std::size_t runEnd = 0;
  for (const TextRun& run : paragraph.runs) {
    runEnd += run.text.size();
    if (offset < runEnd) return run.format;
  }
  return text.formatAt(paragraphEnd);
}

// Where a line `lineWidth` wide starts in `box` when aligned as its paragraph.
double alignedStart(const TextBox& box, ParagraphAlignment alignment, int lineWidth) {
  const int room = box.width - box.insetLeft - box.insetRight;
  int shift = 0;
  if (alignment == ParagraphAlignment::Centre) shift = (room - lineWidth) / 2;
  if (alignment == ParagraphAlignment::Right) shift = room - lineWidth;
  return box.insetLeft + std::max(shift, 0);
}

}  // namespace

// Each line is in the font of its first non-blank character, which the measures give for the line.
std::vector<DisplayLine> TextMetrics::displayLines(const RichText& text, const TextBox& box) {
  std::vector<DisplayLine> lines;
  const int width = box.width - box.insetLeft - box.insetRight;
  double top = box.insetTop;
  int paragraphStart = 0;  // position of the paragraph's first character; a paragraph break counts as one
  for (const Paragraph& paragraph : text.paragraphs()) {
    std::string paragraphText;
    for (const TextRun& run : paragraph.runs) paragraphText += run.text;
    const int paragraphEnd = paragraphStart + utf8Length(paragraphText);
    std::size_t start = 0;
    do {
      const FontSpec font =
          formatInParagraph(text, paragraph, firstNonBlank(paragraphText, start), paragraphEnd);
      const LineMetrics metrics{
          [&](std::string_view piece) { return measure(std::string(piece), font).width; }, box.tabStop};
      const std::size_t end = displayLineEnd(paragraphText, start, width, metrics);
      const std::string_view shown =
          withoutTrailingBlanks(std::string_view(paragraphText).substr(start, end - start));
      const std::vector<TabbedPiece> tabbed = tabbedPieces(shown, metrics);
      const FontMeasures measures = measure(shown.empty() ? std::string(" ") : std::string(shown), font);
      DisplayLine line;
      line.top = top;
      line.height = measures.height + measures.externalLeading;
      line.ascent = measures.ascent;
      const double left =
          alignedStart(box, paragraph.alignment, tabbed.empty() ? 0 : tabbed.back().x + tabbed.back().width);
      const double pixelSize = font.size * box.dotsPerInch / pointsPerInch;
      for (const TabbedPiece& piece : tabbed)
        if (piece.length > 0)
          line.pieces.push_back({std::string(shown.substr(piece.offset, piece.length)), font, left + piece.x,
                                 static_cast<double>(piece.width), pixelSize});
      top += line.height;
      lines.push_back(std::move(line));
      start = end;
    } while (start < paragraphText.size());
    paragraphStart = paragraphEnd + 1;
  }
  return lines;
}

}  // namespace orvane
