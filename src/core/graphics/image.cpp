#include "graphics/image.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

// The tile coordinate of a surface coordinate: floor division, then a modulo that stays positive for
// points left of or above the brush origin.
int tileCoordinate(int surface, int origin, double scale, int tileSize) {
  const auto brushUnit = static_cast<long long>(std::floor((surface - origin) / scale));
  const long long wrapped = brushUnit % tileSize;
  return static_cast<int>(wrapped < 0 ? wrapped + tileSize : wrapped);
}

}  // namespace

Image::Image(int width, int height, Pixel fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

void Image::fill(Pixel pixel) { std::fill(pixels_.begin(), pixels_.end(), pixel); }

Image Image::cropped(const Rect& area, Pixel outside) const {
  Image piece(area.width(), area.height(), outside);
  const Rect inside = area.intersected(Rect::fromSize(0, 0, width_, height_));
  for (int y = inside.top; y < inside.bottom; ++y)
    for (int x = inside.left; x < inside.right; ++x) piece.setPixel(x - area.left, y - area.top, pixel(x, y));
  return piece;
}

Pixel brushPixelAt(const Image& brush, const BrushPlacement& placement, int x, int y) {
  return brush.pixel(tileCoordinate(x, placement.origin.x, placement.scaleX, brush.width()),
                     tileCoordinate(y, placement.origin.y, placement.scaleY, brush.height()));
}

}  // namespace orvane
