#pragma once
// Points and rectangles in the units of whatever they are drawn on: screen pixels or printer dots.

#include <algorithm>

namespace orvane {

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

/// A rectangle whose right and bottom edges lie just outside it, so that width = right - left.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  static constexpr Rect fromSize(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
  }
  constexpr int width() const { return right - left; }
  constexpr int height() const { return bottom - top; }
  constexpr bool isEmpty() const { return right <= left || bottom <= top; }
  constexpr Rect intersected(const Rect& other) const {
    return {std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
            std::min(bottom, other.bottom)};
  }
  bool operator==(const Rect&) const = default;
};

/// A length pair on paper, in millimetres.
struct SizeMm {
  double width = 0;
  double height = 0;
  bool operator==(const SizeMm&) const = default;
};

/// A point on paper, in millimetres from its top-left corner.
struct PointMm {
  double x = 0;
  double y = 0;
  bool operator==(const PointMm&) const = default;
};

inline constexpr SizeMm a4Paper{210, 297};

}  // namespace orvane
