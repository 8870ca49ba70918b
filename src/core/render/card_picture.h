#pragma once
// The card as the card window shows it, as one picture: colour, pattern or transparency composite,
// icon, the opaque frames with their texts, and the QR code over them all.

#include "render/canvas.h"
#include "render/render_context.h"

namespace orvane {

/// Draws the card's decorations on the card window's own surface, `canvas`, from (0, 0): the icon
/// picture is brought up to date, then the pattern, or the composite when a frame is transparent.
void drawCardDecorations(RenderContext& context, Canvas& canvas);

/// The whole card at screen size; a drawing that fails is reported and left out. The built-in start
/// icon, which belongs to the window, is not part of it.
Image drawCardPicture(RenderContext& context);

}  // namespace orvane
