#include "secondary/proportional_resize.h"

#include <gtest/gtest.h>

namespace orvane {

TEST(ProportionalResize, ScalesEachAxisByItsOwnSideWithTiesToEven) {
  // 81 x 3 / 2 = 121.5 -> 122, 41 / 2 = 20.5 -> 20, 25 x 3 / 2 = 37.5 -> 38, 17 / 2 = 8.5 -> 8.
  EXPECT_EQ(scaleProportionally(Rect::fromSize(25, 17, 81, 41), {100, 100}, {150, 50}),
            Rect::fromSize(38, 8, 122, 20));
  EXPECT_EQ(scaleProportionally(Rect::fromSize(5, 5, 5, 5), {0, 100}, {10, 10}), Rect::fromSize(5, 5, 5, 5));
}

}  // namespace orvane
