#pragma once
// What the card drawing asks of a surface: the card window, a picture in memory or a printer page.
// Every drawing call answers whether it worked, so that a failure can be reported to the user.

#include <optional>
#include <string>

#include "colour.h"
#include "font.h"
#include "graphics/canvas_types.h"
#include "graphics/geometry.h"
#include "graphics/image.h"
#include "richtext/rich_text.h"

namespace orvane {

class Canvas {
 public:
  virtual ~Canvas() = default;

  /// Outlines `rect` with `pen` and leaves its inside as it is.
  virtual bool outlineRectangle(const Rect& rect, const Pen& pen) = 0;
  /// Fills `rect`, outline included, with `colour`.
  virtual bool fillRectangle(const Rect& rect, Colour colour) = 0;
  /// Fills `rect` with `brush` tiled from `placement`.
  virtual bool fillRectangleWithBrush(const Rect& rect, const Image& brush,
                                      const BrushPlacement& placement) = 0;
  /// Draws `image` stretched into `rect`; transparent pixels of the image let the surface show.
  virtual bool drawImage(const Rect& rect, const Image& image) = 0;
  /// Paints with `brush`, tiled from `placement`, the area of colour `area` connected to `start`.
  /// Surfaces that cannot be read back (printers) answer false.
  virtual bool floodFill(Point start, Colour area, const Image& brush, const BrushPlacement& placement) = 0;
  /// Draws `text` on one line at the top of `rect`, aligned, cut at the rectangle's right edge, on a
  /// transparent background. The font's size is in points.
  virtual bool drawTextLine(const Rect& rect, const std::string& text, const FontSpec& font,
                            TextAlignment alignment) = 0;
  /// Draws `text` on one line, the left end of its baseline at `origin`, its glyphs `pixelSize` units
  /// high (the em of the font) and the whole `width` units wide, nothing outside `clip` drawn, on a
  /// transparent background.
  virtual bool drawTextAt(Point origin, const std::string& text, const FontSpec& font, double pixelSize,
                          double width, const Rect& clip) = 0;
  /// Draws the whole of `text`, wrapped to the width of `rect`, into `rect` on a transparent background.
  virtual bool drawRichText(const Rect& rect, const RichText& text) = 0;
  /// Outlines the ellipse inscribed in `rect` with `pen`, filling it with `fill` when one is given.
  virtual bool drawEllipse(const Rect& rect, const Pen& pen, std::optional<Colour> fill) = 0;
  /// Draws `text` on one line turned a quarter turn, reading upwards from `start`, on a transparent
  /// background. `start` is the corner where the text's cell begins on its top side: the text runs up
  /// from it and its cell lies right of it, as wide as a line of the font is high.
  virtual bool drawUpwardText(Point start, const std::string& text, const FontSpec& font) = 0;
  /// The size `text` takes in `font` on this surface.
  virtual TextSize measureText(const std::string& text, const FontSpec& font) = 0;
};

/// Copies `bitmap` stretched into the rectangle (x, y, width, height) of `canvas`; a width or height
/// below 1 takes the bitmap's own.
bool drawBitmapScaled(const Image& bitmap, Canvas& canvas, int x, int y, int width, int height);

}  // namespace orvane
