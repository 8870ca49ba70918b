#include "support/recording_canvas.h"

#include "text/utf8.h"

namespace orvane {

std::vector<CanvasCall> RecordingCanvas::callsOf(CanvasCallKind kind) const {
  std::vector<CanvasCall> result;
  for (const CanvasCall& call : calls)
    if (call.kind == kind) result.push_back(call);
  return result;
}

bool RecordingCanvas::record(CanvasCall call) {
  call.succeeded = !failing.contains(call.kind);
  if ((call.kind == CanvasCallKind::TextLine || call.kind == CanvasCallKind::TextAt) &&
      textLineFailures > 0) {
    --textLineFailures;
    call.succeeded = false;
  }
  calls.push_back(call);
  return call.succeeded;
}

bool RecordingCanvas::outlineRectangle(const Rect& rect, const Pen& pen) {
  return record({.kind = CanvasCallKind::Outline, .rect = rect, .colour = pen.colour, .penStyle = pen.style});
}

bool RecordingCanvas::fillRectangle(const Rect& rect, Colour colour) {
  return record({.kind = CanvasCallKind::Fill, .rect = rect, .colour = colour});
}

bool RecordingCanvas::fillRectangleWithBrush(const Rect& rect, const Image& brush,
                                             const BrushPlacement& placement) {
  return record({.kind = CanvasCallKind::BrushFill,
                 .rect = rect,
                 .imageWidth = brush.width(),
                 .imageHeight = brush.height(),
                 .placement = placement});
}

bool RecordingCanvas::drawImage(const Rect& rect, const Image& image) {
  return record({.kind = CanvasCallKind::Image,
                 .rect = rect,
                 .imageWidth = image.width(),
                 .imageHeight = image.height()});
}

bool RecordingCanvas::floodFill(Point start, Colour area, const Image& brush,
                                const BrushPlacement& placement) {
  return record({.kind = CanvasCallKind::FloodFill,
                 .start = start,
                 .colour = area,
                 .imageWidth = brush.width(),
                 .imageHeight = brush.height(),
                 .placement = placement});
}

bool RecordingCanvas::drawTextLine(const Rect& rect, const std::string& text, const FontSpec& font,
                                   TextAlignment alignment) {
  return record({.kind = CanvasCallKind::TextLine,
                 .rect = rect,
                 .colour = font.colour,
                 .text = text,
                 .font = font,
                 .alignment = alignment});
}

bool RecordingCanvas::drawTextAt(Point origin, const std::string& text, const FontSpec& font,
                                 double pixelSize, double width, const Rect& clip) {
  return record({.kind = CanvasCallKind::TextAt,
                 .rect = clip,
                 .start = origin,
                 .colour = font.colour,
                 .text = text,
                 .font = font,
                 .pixelSize = pixelSize,
                 .width = width});
}

bool RecordingCanvas::drawRichText(const Rect& rect, const RichText& text) {
  return record({.kind = CanvasCallKind::RichText, .rect = rect, .text = text.plainText()});
}

bool RecordingCanvas::drawEllipse(const Rect& rect, const Pen& pen, std::optional<Colour> fill) {
  return record({.kind = CanvasCallKind::Ellipse, .rect = rect, .colour = pen.colour, .fill = fill});
}

bool RecordingCanvas::drawUpwardText(Point start, const std::string& text, const FontSpec& font) {
  const TextSize size = measureText(text, font);
  return record({.kind = CanvasCallKind::UpwardText,
                 .rect = {start.x, start.y - size.width, start.x + size.height, start.y},
                 .start = start,
                 .colour = font.colour,
                 .text = text,
                 .font = font});
}

TextSize RecordingCanvas::measureText(const std::string& text, const FontSpec& /*font*/) {
  return {utf8Length(text) * characterWidth, textHeight};
}

}  // namespace orvane
