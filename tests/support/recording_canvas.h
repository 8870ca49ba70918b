#pragma once
// A canvas for tests: it draws nothing, records every call with its geometry, and fails on demand.

#include <set>
#include <string>
#include <vector>

#include "render/canvas.h"

namespace orvane {

enum class CanvasCallKind {
  Outline,
  Fill,
  BrushFill,
  Image,
  FloodFill,
  TextLine,
  TextAt,
  RichText,
  Ellipse,
  UpwardText
};

struct CanvasCall {
  CanvasCallKind kind;
  Rect rect{};        // every kind but FloodFill; TextAt: the clip; UpwardText: the text's cell
  Point start{};      // FloodFill, TextAt: the start of the baseline; UpwardText: where the text starts
  Colour colour = 0;  // Outline and TextLine: the pen or font colour; Fill and FloodFill: the colour
  PenStyle penStyle = PenStyle::Solid;
  std::string text{};            // TextLine, TextAt, UpwardText: the line; RichText: the plain text
  FontSpec font{};               // TextLine, TextAt, UpwardText
  double pixelSize = 0;          // TextAt
  double width = 0;              // TextAt
  std::optional<Colour> fill{};  // Ellipse
  TextAlignment alignment = TextAlignment::Left;
  int imageWidth = 0;  // Image, BrushFill, FloodFill: the size of the picture or brush
  int imageHeight = 0;
  BrushPlacement placement{};  // BrushFill, FloodFill
  bool succeeded = true;
};

class RecordingCanvas : public Canvas {
 public:
  /// Records into its own list.
  RecordingCanvas() : calls(ownCalls_) {}
  /// Records into `log`, which outlives the canvas (for canvases made on pictures).
  explicit RecordingCanvas(std::vector<CanvasCall>& log) : calls(log) {}
  RecordingCanvas(const RecordingCanvas&) = delete;
  RecordingCanvas& operator=(const RecordingCanvas&) = delete;

 private:
  std::vector<CanvasCall> ownCalls_;

 public:
  std::vector<CanvasCall>& calls;
  /// Calls of these kinds fail.
  std::set<CanvasCallKind> failing;
  /// The next this-many text lines (TextLine or TextAt) fail.
  int textLineFailures = 0;
  /// What measureText answers: `characterWidth` per character, `textHeight` for any text.
  int characterWidth = 10;
  int textHeight = 20;

  /// The calls of one kind, in order.
  std::vector<CanvasCall> callsOf(CanvasCallKind kind) const;

  bool outlineRectangle(const Rect& rect, const Pen& pen) override;
  bool fillRectangle(const Rect& rect, Colour colour) override;
  bool fillRectangleWithBrush(const Rect& rect, const Image& brush, const BrushPlacement& placement) override;
  bool drawImage(const Rect& rect, const Image& image) override;
  bool floodFill(Point start, Colour area, const Image& brush, const BrushPlacement& placement) override;
  bool drawTextLine(const Rect& rect, const std::string& text, const FontSpec& font,
                    TextAlignment alignment) override;
  bool drawTextAt(Point origin, const std::string& text, const FontSpec& font, double pixelSize, double width,
                  const Rect& clip) override;
  bool drawRichText(const Rect& rect, const RichText& text) override;
  bool drawEllipse(const Rect& rect, const Pen& pen, std::optional<Colour> fill) override;
  bool drawUpwardText(Point start, const std::string& text, const FontSpec& font) override;
  TextSize measureText(const std::string& text, const FontSpec& font) override;

 private:
  bool record(CanvasCall call);
};

}  // namespace orvane
