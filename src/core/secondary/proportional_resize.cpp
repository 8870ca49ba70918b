#include "secondary/proportional_resize.h"

#include "text/rounding.h"

namespace orvane {

namespace {

int scaled(int value, int now, int reference) {
  return roundToInt(static_cast<double>(value) * now / reference);
}

}  // namespace

Rect scaleProportionally(const Rect& control, WindowSize reference, WindowSize now) {
  if (reference.width <= 0 || reference.height <= 0) return control;
  return Rect::fromSize(scaled(control.left, now.width, reference.width),
                        scaled(control.top, now.height, reference.height),
                        scaled(control.width(), now.width, reference.width),
                        scaled(control.height(), now.height, reference.height));
}

}  // namespace orvane
