#include <gtest/gtest.h>

#include "secondary/about_animation.h"
#include "secondary/proportional_resize.h"

namespace orvane {

TEST(ProportionalResize, DoublingTheWindowDoublesEveryPlaceAndSize) {
  const Rect button = Rect::fromSize(400, 376, 81, 41);
  const Rect doubled = scaleProportionally(button, {696, 521}, {1392, 1042});
  EXPECT_EQ(doubled, Rect::fromSize(800, 752, 162, 82));
  EXPECT_EQ(scaleProportionally(doubled, {1392, 1042}, {696, 521}), button);
}

TEST(ProportionalResize, ScalesEachAxisByItsOwnSideWithTiesToEven) {
  // 81 x 3 / 2 = 121.5 -> 122, 41 / 2 = 20.5 -> 20, 25 x 3 / 2 = 37.5 -> 38, 17 / 2 = 8.5 -> 8.
  EXPECT_EQ(scaleProportionally(Rect::fromSize(25, 17, 81, 41), {100, 100}, {150, 50}),
            Rect::fromSize(38, 8, 122, 20));
  EXPECT_EQ(scaleProportionally(Rect::fromSize(5, 5, 5, 5), {0, 100}, {10, 10}), Rect::fromSize(5, 5, 5, 5));
}

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

TEST(AboutAnimation, RestartsOnceTheBlockIsPastTheHeightOfTheWindow) {
  for (int height : {299, 100}) {
    AboutAnimation animation;
    int ticks = 0;
    while (animation.tick(762, height)) ++ticks;
    EXPECT_EQ(ticks, height + AboutAnimation::restartBeyondHeight - AboutAnimation::startOffset - 1);
    EXPECT_EQ(animation.offset(), 0);
    EXPECT_EQ(animation.tick(762, height)->frame.top, height - 1 + 5);
  }
}

}  // namespace orvane
