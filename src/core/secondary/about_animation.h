#pragma once
// The About box's block of text lines that climbs one pixel per tick from below the window's bottom
// edge and starts again once it has left the top.

#include <array>
#include <optional>

#include "graphics/geometry.h"

namespace orvane {

/// What one tick draws.
struct AboutFrame {
  /// Every line's rectangle, line 0 first; each is filled, then its text written 10 pixels in.
  std::array<Rect, 8> lines;
  /// The outline around the block.
  Rect frame;
};

class AboutAnimation {
 public:
  static constexpr int startOffset = 30;
  /// The block has gone this far past the window's height when it starts again.
  static constexpr int restartBeyondHeight = 160;

  /// One tick in a window of `width` x `height`: the block's drawing, or nothing when the block has
  /// left the window and the whole window is to be cleared before it comes in again from below.
  std::optional<AboutFrame> tick(int width, int height);

  int offset() const { return offset_; }

 private:
  int offset_ = startOffset;
};

}  // namespace orvane
