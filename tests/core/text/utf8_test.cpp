#include "text/utf8.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(Utf8, CountsCodePointsOfEveryLength) {
  EXPECT_EQ(utf8Length(""), 0);
  EXPECT_EQ(utf8Length("abc"), 3);
  EXPECT_EQ(utf8Length("caf\xC3\xA9"), 4);            // é
  EXPECT_EQ(utf8Length("\xE2\x82\xAC"), 1);           // €
  EXPECT_EQ(utf8Length("\xF0\x9F\x98\x80x"), 2);      // emoji, then x
  EXPECT_EQ(utf8Offset("\xC3\xA9t\xC3\xA9", 2), 3u);  // after "ét"
  EXPECT_EQ(utf8Offset("ab", 5), 2u);
}

TEST(Utf8, MalformedBytesCountOneEachWithoutSwallowingTheNextCharacter) {
  EXPECT_EQ(utf8Length("\xC3"), 1);              // truncated at the end
  EXPECT_EQ(utf8Length("\xC3("), 2);             // lead without continuation
  EXPECT_EQ(utf8Length("\xC0\xAF"), 2);          // overlong '/'
  EXPECT_EQ(utf8Length("\xED\xA0\x80"), 3);      // surrogate
  EXPECT_EQ(utf8Length("\xE2\x82\xC3\xA9"), 3);  // cut sequence before an é
  EXPECT_EQ(utf8Length("\xF4\x90\x80\x80"), 4);  // beyond U+10FFFF
}

}  // namespace
}  // namespace orvane
