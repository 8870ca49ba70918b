#pragma once
// A frame's text as the printed sheet draws it: its lines as the frame displays them, each in the font
// of its first non-blank character.

#include <string>
#include <vector>

#include "render/canvas.h"
#include "render/line_layout.h"
#include "richtext/rich_text.h"

namespace orvane {

struct FrameLine {
  std::string text;  // leading blanks kept, blanks hanging at a break left out
  FontSpec font;
  TextAlignment alignment = TextAlignment::Left;
  std::vector<TabbedPiece> pieces;  // the text between its tabs, measured in `font`
};

/// The display lines of `text` in a frame whose text is `width` wide, measured on `canvas` with tab
/// stops every `tabStop` units. In black and white every line is black.
std::vector<FrameLine> frameLines(const RichText& text, int width, int tabStop, Canvas& canvas,
                                  bool blackAndWhite);

}  // namespace orvane
