#pragma once
// A window whose controls keep their proportions: when the window is resized, every control's place
// and size follow the window's width and height.

#include "graphics/geometry.h"

namespace orvane {

struct WindowSize {
  int width = 0;
  int height = 0;
  bool operator==(const WindowSize&) const = default;
};

/// `control` scaled from a window of size `reference` to one of size `now`: left and width by the
/// widths, top and height by the heights, each rounded half to even from its own current value.
/// A reference without area leaves the control as it is.
Rect scaleProportionally(const Rect& control, WindowSize reference, WindowSize now);

}  // namespace orvane
