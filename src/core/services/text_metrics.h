#pragma once
// Font measures and text layout on the screen, where the frames and zones show their texts. A text
// control's lines are laid out here once; the window shows them and the printed pages draw the same
// lines scaled, so that paper holds what the screen shows, each line at its place.

#include <string>
#include <vector>

#include "font.h"
#include "richtext/rich_text.h"
#include "text/line_layout.h"

namespace orvane {

struct FontMeasures {
  int width = 0;   // of the text measured
  int height = 0;  // character height: ascent plus descent
  int ascent = 0;
  int externalLeading = 0;  // space the font asks for between lines
  bool operator==(const FontMeasures&) const = default;
};

/// A piece of a displayed line drawn in one font: where it starts, from the control's left edge, how
/// wide it is, and how high its font's em is on the screen (which may round the font's size to whole
/// pixels).
struct TextPiece {
  std::string text;
  FontSpec font;
  double x = 0;
  double width = 0;
  double pixelSize = 0;
  bool operator==(const TextPiece&) const = default;
};

/// A line as the control displays it, from the control's top edge; its pieces hold no tab, and blanks
/// that only fill the line are left out.
struct DisplayLine {
  double top = 0;
  double height = 0;  // from this line's top to the next one's
  double ascent = 0;  // from the line's top to its baseline
  std::vector<TextPiece> pieces;
  bool operator==(const DisplayLine&) const = default;
};

class TextMetrics {
 public:
  virtual ~TextMetrics() = default;
  /// The measures of `text` in `font`, in screen pixels.
  virtual FontMeasures measure(const std::string& text, const FontSpec& font) = 0;
  /// The lines of `text` as a control of `box` displays them. By default they follow the break rule
  /// of the text controls with this object's measures.
  virtual std::vector<DisplayLine> displayLines(const RichText& text, const TextBox& box);
};

}  // namespace orvane
