#pragma once
#include "services/text_metrics.h"

namespace orvane {

/// Font measures on the screen, through QFontMetrics; lines laid out as the windows' text controls do.
class QtTextMetrics : public TextMetrics {
 public:
  FontMeasures measure(const std::string& text, const FontSpec& font) override;
  std::vector<DisplayLine> displayLines(const RichText& text, const TextBox& box) override;
};

}  // namespace orvane
