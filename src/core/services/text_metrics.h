#pragma once
// Font measures on the screen, where the frames show their texts.

#include <string>

#include "font.h"

namespace orvane {

struct FontMeasures {
  int width = 0;   // of the text measured
  int height = 0;  // character height: ascent plus descent
  int ascent = 0;
  int externalLeading = 0;  // space the font asks for between lines
};

class TextMetrics {
 public:
  virtual ~TextMetrics() = default;
  /// The measures of `text` in `font`, in screen pixels.
  virtual FontMeasures measure(const std::string& text, const FontSpec& font) = 0;
};

}  // namespace orvane
