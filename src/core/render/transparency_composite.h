#pragma once
// Transparent frames: their text is drawn straight onto the pattern, in a card-sized composite picture
// that is built once and then stretched over the card on the window and on every card of a sheet.

#include "render/canvas.h"
#include "render/card_placement.h"
#include "render/render_context.h"

namespace orvane {

/// Draws the whole text of frame `number`, marked transparent, into the composite over the frame's
/// rectangle. A composite missing or made for another card size is built afresh: the pattern stretched
/// over the card, then every transparent frame's text. False, after error box 1142, when the drawing
/// failed.
bool makeFrameTransparent(RenderContext& context, int number);

/// Builds the composite afresh for the frames that are transparent; nothing when none is.
bool redrawTransparentFrames(RenderContext& context);

/// Stretches the composite over the card where `placement` puts it, building it first when it was
/// forgotten or the card changed size. False, after error box 1142, when the drawing failed.
bool drawTransparencyComposite(RenderContext& context, Canvas& canvas, const CardPlacement& placement);

}  // namespace orvane
