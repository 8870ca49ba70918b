#pragma once
// Our own flood fill: the platform's painters have none, and we want the same result on every system.

#include "graphics/image.h"

namespace orvane {

/// Paints with `brush`, tiled from `placement`, the area of pixels of colour `area` (alpha ignored)
/// that is connected to `start` through their edges. Returns how many pixels were painted: none when
/// `start` lies outside the surface or is not of that colour. A brush holding the area colour itself
/// does not make the fill run on, since each pixel is visited once.
long long floodFillWithBrush(const PixelView& surface, Point start, Colour area, const Image& brush,
                             const BrushPlacement& placement);

}  // namespace orvane
