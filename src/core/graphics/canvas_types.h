#pragma once
// The values a drawing surface is given and gives back, apart from the surface itself.

#include "colour.h"

namespace orvane {

enum class PenStyle { Solid, Dotted };

/// A pen one unit wide.
struct Pen {
  Colour colour = 0;
  PenStyle style = PenStyle::Solid;
  bool operator==(const Pen&) const = default;
};

enum class TextAlignment { Left, Centre, Right };

struct TextSize {
  int width = 0;
  int height = 0;
  bool operator==(const TextSize&) const = default;
};

}  // namespace orvane
