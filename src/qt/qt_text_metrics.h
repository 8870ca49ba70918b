#pragma once
#include "services/text_metrics.h"

namespace orvane {

/// Font measures on the screen, through QFontMetrics.
class QtTextMetrics : public TextMetrics {
 public:
  FontMeasures measure(const std::string& text, const FontSpec& font) override;
};

}  // namespace orvane
