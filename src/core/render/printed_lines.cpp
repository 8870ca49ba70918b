#include "render/printed_lines.h"

#include "text/rounding.h"

namespace orvane {

namespace {

constexpr Colour black = 0x000000;

}  // namespace

bool lineShows(const DisplayLine& line, const PrintedTextBox& box) {
  const int top = box.origin.y + roundToInt(box.scaleY * line.top);
  const int bottom = box.origin.y + roundToInt(box.scaleY * (line.top + line.height));
  return top < box.clip.bottom && bottom > box.clip.top;
}

bool drawDisplayLine(Canvas& canvas, const DisplayLine& line, const PrintedTextBox& box) {
  const int baseline = box.origin.y + roundToInt(box.scaleY * (line.top + line.ascent));
  bool drawn = true;
  for (const TextPiece& piece : line.pieces) {
    FontSpec font = piece.font;
    if (box.blackText) font.colour = black;
    const Point start{box.origin.x + roundToInt(box.scaleX * piece.x), baseline};
    drawn = canvas.drawTextAt(start, piece.text, font, box.scaleY * piece.pixelSize, box.scaleX * piece.width,
                              box.clip) &&
            drawn;
  }
  return drawn;
}

}  // namespace orvane
