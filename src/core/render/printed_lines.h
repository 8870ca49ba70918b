#pragma once
// A text control's lines on paper: the lines the screen displays, each piece at its place scaled from
// screen pixels to dots, its glyphs scaled alike, so that every line shown prints and fits as shown.

#include <vector>

#include "render/canvas.h"
#include "services/text_metrics.h"

namespace orvane {

/// Where a text control lands on a canvas.
struct PrintedTextBox {
  Point origin;            // the control's top-left corner, in dots
  double scaleX = 1;       // dots per screen pixel, for places
  double scaleY = 1;       // and for heights, glyphs included
  Rect clip;               // what the control shows of its text, in dots
  bool blackText = false;  // black and white: every piece black
};

/// Whether `line` shows, whole or in part, inside the box.
bool lineShows(const DisplayLine& line, const PrintedTextBox& box);

/// Draws the pieces of `line`; false when one of them could not be drawn.
bool drawDisplayLine(Canvas& canvas, const DisplayLine& line, const PrintedTextBox& box);

}  // namespace orvane
