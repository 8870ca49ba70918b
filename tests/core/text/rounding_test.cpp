#include "text/rounding.h"

#include <gtest/gtest.h>

namespace orvane {

TEST(Rounding, TiesGoToTheEvenNeighbour) {
  EXPECT_EQ(roundHalfEven(0.5), 0);
  EXPECT_EQ(roundHalfEven(1.5), 2);
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(-0.5), 0);
  EXPECT_EQ(roundHalfEven(-1.5), -2);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(40.95), 41);  // 15 % of 273
  EXPECT_EQ(roundHalfEven(2.4999999), 2);
  EXPECT_EQ(roundHalfEven(-2.6), -3);
  EXPECT_EQ(roundToInt(227.5), 228);
  EXPECT_EQ(roundToInt(226.5), 226);
}

}  // namespace orvane
