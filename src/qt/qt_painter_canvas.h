#pragma once
// The canvas on a Qt paint device: a QImage, a QWidget (from its paint event) or a QPrinter.

#include <QPainter>
#include <QTextLayout>
#include <deque>
#include <map>
#include <memory>
#include <tuple>

#include "render/canvas.h"

class QPaintDevice;

namespace orvane {

class QPainterCanvas : public Canvas {
 public:
  /// Paints on `device` until the canvas is destroyed; on a printer, that ends the document.
  explicit QPainterCanvas(QPaintDevice& device);
  QPainterCanvas(const QPainterCanvas&) = delete;
  QPainterCanvas& operator=(const QPainterCanvas&) = delete;

  /// The painter, for a caller that starts a new printer page between two drawings.
  QPainter& painter() { return painter_; }

  bool outlineRectangle(const Rect& rect, const Pen& pen) override;
  bool fillRectangle(const Rect& rect, Colour colour) override;
  bool fillRectangleWithBrush(const Rect& rect, const Image& brush, const BrushPlacement& placement) override;
  bool drawImage(const Rect& rect, const Image& image) override;
  /// Only on an RGB32 or ARGB32 QImage: other devices cannot be read back.
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
  struct LaidOutText {
    std::unique_ptr<QTextLayout> layout;
    QRectF ink;  // where its glyphs mark, from the layout's top-left corner
  };

  /// `text` laid out on one line in `font` at `pixelSize`, kept for the canvas's life: a sheet draws
  /// each frame's words once per card.
  const LaidOutText& textLayout(const std::string& text, const FontSpec& font, double pixelSize);

  /// `image` as this device draws it. On a printer, a picture with the same pixels as one drawn lately
  /// is given as that same QImage, which a PDF then holds once rather than once per card of a sheet.
  QImage deviceImage(const Image& image);

  QPaintDevice& device_;
  QPainter painter_;
  std::deque<QImage> printedImages_;  // the latest pictures drawn on a printer, oldest first
  // By text, font (name, size, bold, italic, underline, strike-out) and size on this device.
  using TextLayoutKey = std::tuple<std::string, std::string, std::int16_t, bool, bool, bool, bool, double>;
  std::map<TextLayoutKey, LaidOutText> textLayouts_;
};

}  // namespace orvane
