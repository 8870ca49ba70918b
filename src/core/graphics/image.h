#pragma once
// A picture in memory: 32-bit pixels 0xAARRGGBB, row after row, the layout the platform's image
// classes use, so that the Qt layer can paint straight into an Image without copying it.

#include <cstdint>
#include <vector>

#include "colour.h"
#include "graphics/geometry.h"

namespace orvane {

using Pixel = std::uint32_t;

constexpr Pixel opaquePixel(Colour colour) {
  return 0xFF000000u | (static_cast<Pixel>(redOf(colour)) << 16) |
         (static_cast<Pixel>(greenOf(colour)) << 8) | static_cast<Pixel>(blueOf(colour));
}

/// Pixels owned elsewhere: `height` rows of `width` pixels, each row `stride` pixels after the last.
struct PixelView {
  Pixel* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;
  Pixel& at(int x, int y) const { return pixels[static_cast<std::ptrdiff_t>(y) * stride + x]; }
};

class Image {
 public:
  Image() = default;
  Image(int width, int height, Pixel fill = 0xFFFFFFFFu);

  int width() const { return width_; }
  int height() const { return height_; }
  bool isNull() const { return pixels_.empty(); }
  Pixel pixel(int x, int y) const { return pixels_[index(x, y)]; }
  void setPixel(int x, int y, Pixel pixel) { pixels_[index(x, y)] = pixel; }
  Pixel* bits() { return pixels_.data(); }
  const Pixel* bits() const { return pixels_.data(); }
  PixelView view() { return {pixels_.data(), width_, height_, width_}; }
  void fill(Pixel pixel);

  /// The part of the image under `area`; pixels of `area` outside the image are `outside`.
  Image cropped(const Rect& area, Pixel outside) const;

  bool operator==(const Image&) const = default;

 private:
  std::size_t index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<Pixel> pixels_;
};

/// How an image brush is laid over a surface: where a tile starts and how many surface units one brush
/// pixel covers, so that a pattern printed at printer resolution keeps the size it has on screen.
struct BrushPlacement {
  Point origin;
  double scaleX = 1;
  double scaleY = 1;
};

/// The brush pixel that covers the surface point (x, y) when `brush` is tiled from `placement`.
Pixel brushPixelAt(const Image& brush, const BrushPlacement& placement, int x, int y);

}  // namespace orvane
