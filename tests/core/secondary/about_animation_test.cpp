#include "secondary/about_animation.h"

#include <gtest/gtest.h>

namespace orvane {

TEST(AboutAnimation, ClimbsOnePixelPerTickFromBelowTheWindow) {
  AboutAnimation animation;
  const auto first = animation.tick(762, 299);
  ASSERT_TRUE(first);
  EXPECT_EQ(animation.offset(), 31);
  EXPECT_EQ(first->lines[0], (Rect{2, 299 - 31 + 10, 752, 299 - 31 + 35}));
  EXPECT_EQ(first->lines[7], (Rect{2, 299 - 31 + 150, 752, 299 - 31 + 175}));
  EXPECT_EQ(first->lines[1].top, first->lines[0].bottom - 5);
  EXPECT_EQ(first->frame, (Rect{2, 299 - 31 + 5, 752, 299 - 31 + 180}));
  EXPECT_EQ(animation.tick(762, 299)->frame.top, first->frame.top - 1);
}

}  // namespace orvane
