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

}  // namespace

std::vector<FrameLine> frameLines(const RichText& text, int width, int tabStop, Canvas& canvas,
                                  bool blackAndWhite) {
  std::vector<FrameLine> lines;
  int paragraphStart = 0;  // position of the paragraph's first character; a paragraph break counts as one
  for (const Paragraph& paragraph : text.paragraphs()) {
    std::string paragraphText;
    for (const TextRun& run : paragraph.runs) paragraphText += run.text;
    std::size_t start = 0;
    do {
      FrameLine line;
      const std::size_t fontOffset = firstNonBlank(paragraphText, start);
      line.font =
          text.formatAt(paragraphStart + utf8Length(std::string_view(paragraphText).substr(0, fontOffset)));
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
    paragraphStart += utf8Length(paragraphText) + 1;
  }
  return lines;
}

}  // namespace orvane
