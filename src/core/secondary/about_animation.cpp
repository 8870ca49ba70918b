#include "secondary/about_animation.h"

namespace orvane {

std::optional<AboutFrame> AboutAnimation::tick(int width, int height) {
  ++offset_;
  if (offset_ >= height + restartBeyondHeight) {
    offset_ = 0;
    return std::nullopt;
  }
  const int blockTop = height - offset_;
  AboutFrame frame;
  // Lines are 25 pixels tall and 20 apart, so each overlaps the next by 5.
  for (int line = 0; line < static_cast<int>(frame.lines.size()); ++line)
    frame.lines[line] = {2, blockTop + 10 + 20 * line, width - 10, blockTop + 35 + 20 * line};
  frame.frame = {2, blockTop + 5, width - 10, blockTop + 180};
  return frame;
}

}  // namespace orvane
