#include "render/frame_lines.h"

#include <algorithm>
#include <string_view>

#include "text/utf8.h"

namespace orvane {

namespace {

constexpr Colour black = 0x000000;

TextAlignment lineAlignment(ParagraphAlignment alignment) {
  switch (alignment) {
    case ParagraphAlignment::Right:
      return TextAlignment::Right;
    case ParagraphAlignment::Centre:
      return TextAlignment::Centre;
    case ParagraphAlignment::Left:
    case ParagraphAlignment::Justify:
      break;
  }
  return TextAlignment::Left;
}

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

}  // namespace

std::vector<FrameLine> frameLines(const RichText& text, int width, int tabStop, Canvas& canvas,
                                  bool blackAndWhite) {
  std::vector<FrameLine> lines;
  int paragraphStart = 0;  // position of the paragraph's first character; a paragraph break counts as one
  for (const Paragraph& paragraph : text.paragraphs()) {
    std::string paragraphText;
    for (const TextRun& run : paragraph.runs) paragraphText += run.text;
    const int paragraphEnd = paragraphStart + utf8Length(paragraphText);
    std::size_t start = 0;
    do {
      FrameLine line;
      line.font = formatInParagraph(text, paragraph, firstNonBlank(paragraphText, start), paragraphEnd);
      if (blackAndWhite) line.font.colour = black;
      line.alignment = lineAlignment(paragraph.alignment);
      const LineMetrics metrics{
          [&](std::string_view piece) { return canvas.measureText(std::string(piece), line.font).width; },
          tabStop};
      const std::size_t end = displayLineEnd(paragraphText, start, width, metrics);
      const std::string_view shown = std::string_view(paragraphText).substr(start, end - start);
      // Blanks hanging at a break are not drawn (they would shift a centred line); a last line is whole.
      line.text = end < paragraphText.size() ? withoutTrailingBlanks(shown) : shown;
      line.pieces = tabbedPieces(line.text, metrics);
      lines.push_back(std::move(line));
      start = end;
    } while (start < paragraphText.size());
    paragraphStart = paragraphEnd + 1;
  }
  return lines;
}

}  // namespace orvane
