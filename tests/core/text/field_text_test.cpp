#include "text/field_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace orvane {

TEST(ParseInteger, ReadsDecimalAndDollarHexadecimalAfterBlanks) {
  EXPECT_EQ(parseInteger("182"), 182);
  EXPECT_EQ(parseInteger("   -12"), -12);
  EXPECT_EQ(parseInteger("\t+7"), 7);
  EXPECT_EQ(parseInteger(" $00F0C0CD"), 0xF0C0CD);
  EXPECT_EQ(parseInteger("$ff"), 255);
  EXPECT_EQ(parseInteger("-$10"), -16);
  EXPECT_EQ(parseInteger("-2147483648"), INT_MIN);
  EXPECT_EQ(parseInteger("$0000000000FF"), 255);  // leading zeros add no bits
  EXPECT_EQ(parseInteger("$FFFFFFFF"), -1);       // a 32-bit pattern
}

TEST(ParseInteger, AnythingUnconvertibleIsZero) {
  for (const char* text : {"", "   ", "$", "-", "12 ", "12a", "1 2", "0x10", "--1", "$G", "2147483648",
                           "-2147483649", "$100000000", "99999999999999999999"})
    EXPECT_EQ(tryParseInteger(text), std::nullopt) << text;
  EXPECT_EQ(parseInteger("$"), 0);
  EXPECT_EQ(parseInteger("2147483648"), 0);
}

}  // namespace orvane
