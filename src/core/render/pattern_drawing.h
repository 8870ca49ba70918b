#pragma once
// The card's background pattern: tiled, stretched or flood-filled over the card on a window, a picture
// or a printer page, with the card window's drawing kept in the renderer's background copy.

#include <optional>

#include "render/canvas.h"
#include "render/card_placement.h"
#include "render/render_context.h"

namespace orvane {

enum class PatternResult { Drawn = 0, NoPatternFile = 10, Unreadable = 100, DrawingFailed = 400 };

enum class PatternPlacement { Stretch, Tile, Flood };

/// How a pattern of `patternWidth` x `patternHeight` pixels is laid over the card, after the card's
/// pattern mode and fill style.
PatternPlacement patternPlacement(const CardModel& card, int patternWidth, int patternHeight);

/// A tiled pattern starts at the card's corner and keeps, on any canvas, the size it has on screen.
BrushPlacement patternBrush(const CardPlacement& placement);

/// Draws the pattern on `canvas` where `placement` puts the card. Reports an unreadable pattern file
/// once per run and a failed drawing every time; the pattern-shown mark tells whether it worked.
PatternResult drawPattern(RenderContext& context, Canvas& canvas, const CardPlacement& placement);

/// Gives the background copy the card's size and colour and draws the pattern on it, when a pattern
/// can be read; false when the drawing failed.
bool refreshBackgroundCopy(RenderContext& context);

/// What the refreshed background copy shows in `area` of the card, beyond the card's edge its colour,
/// once the pattern is read; nothing when the drawing failed. A tiled pattern is drawn in `area` alone.
std::optional<Image> backgroundUnder(RenderContext& context, const Rect& area);

}  // namespace orvane
