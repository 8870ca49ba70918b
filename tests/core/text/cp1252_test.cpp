#include "text/cp1252.h"

#include <gtest/gtest.h>

#include "text/utf8.h"

namespace orvane {

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
  const std::string utf8 = cp1252ToUtf8(all);
  EXPECT_TRUE(isValidUtf8(utf8));
  EXPECT_EQ(utf8ToCp1252(utf8), all);
}

TEST(Cp1252, ConvertsTheTextsOfOurFiles) {
  EXPECT_EQ(cp1252ToUtf8("param\xEAtre \x80 \x9C"), "paramêtre € œ");
  EXPECT_EQ(utf8ToCp1252("réservé ’"), "r\xE9serv\xE9 \x92");
  // What the code page lacks becomes '?', one per character, never a broken byte sequence.
  EXPECT_EQ(utf8ToCp1252("a\xE2\x82"), "a??");
  EXPECT_EQ(utf8ToCp1252("Ωmega 日本"), "?mega ??");
}

TEST(Utf8, DecodesAndEncodesEveryPlane) {
  for (char32_t codePoint : {U'A', U'é', U'€', U'\U0001F600'}) {
    std::string encoded;
    appendUtf8(encoded, codePoint);
    std::size_t offset = 0;
    EXPECT_EQ(decodeUtf8(encoded, offset), codePoint);
    EXPECT_EQ(offset, encoded.size());
  }
  EXPECT_FALSE(isValidUtf8("caf\xE9"));
  EXPECT_TRUE(isValidUtf8("café"));
}

}  // namespace orvane
