#include "render/flood_fill.h"

#include <vector>

namespace orvane {

namespace {

// Scan-line fill: each seed grows into the whole horizontal run of fillable pixels around it, and the
// rows above and below that run contribute one seed per run of their own.
class ScanLineFill {
 public:
  ScanLineFill(const PixelView& surface, Colour area, const Image& brush, const BrushPlacement& placement)
      : surface_(surface),
        area_(area),
        brush_(brush),
        placement_(placement),
        done_(static_cast<std::size_t>(surface.width) * static_cast<std::size_t>(surface.height), false) {}

  long long run(Point start) {
    seeds_.push_back(start);
    long long painted = 0;
    while (!seeds_.empty()) {
      const Point seed = seeds_.back();
      seeds_.pop_back();
      if (!fillable(seed.x, seed.y)) continue;
      int left = seed.x;
      while (left > 0 && fillable(left - 1, seed.y)) --left;
      int right = seed.x;
      while (right + 1 < surface_.width && fillable(right + 1, seed.y)) ++right;
      for (int x = left; x <= right; ++x) paint(x, seed.y);
      painted += right - left + 1;
      seedRow(left, right, seed.y - 1);
      seedRow(left, right, seed.y + 1);
    }
    return painted;
  }

 private:
  std::size_t index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(surface_.width) +
           static_cast<std::size_t>(x);
  }
  bool fillable(int x, int y) const {
    return !done_[index(x, y)] && (surface_.at(x, y) & 0x00FFFFFFu) == (opaquePixel(area_) & 0x00FFFFFFu);
  }
  void paint(int x, int y) {
    done_[index(x, y)] = true;
    surface_.at(x, y) = brushPixelAt(brush_, placement_, x, y);
  }
  void seedRow(int left, int right, int y) {
    if (y < 0 || y >= surface_.height) return;
    bool inRun = false;
    for (int x = left; x <= right; ++x) {
      const bool open = fillable(x, y);
      if (open && !inRun) seeds_.push_back({x, y});
      inRun = open;
    }
  }

  const PixelView& surface_;
  Colour area_;
  const Image& brush_;
  const BrushPlacement& placement_;
  std::vector<bool> done_;
  std::vector<Point> seeds_;
};

}  // namespace

long long floodFillWithBrush(const PixelView& surface, Point start, Colour area, const Image& brush,
                             const BrushPlacement& placement) {
  if (start.x < 0 || start.y < 0 || start.x >= surface.width || start.y >= surface.height) return 0;
  if (brush.isNull()) return 0;
  return ScanLineFill(surface, area, brush, placement).run(start);
}

}  // namespace orvane
