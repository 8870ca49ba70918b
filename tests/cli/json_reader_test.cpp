#include "cli/json_reader.h"

#include <gtest/gtest.h>

namespace orvane::cli {
namespace {

TEST(JsonReader, ReadsNestedValuesAndEscapes) {
  const JsonParse parsed = parseJson(
      " {\"a\": [1, -2.5e1, true, false, null], \"s\": \"\\\"\\u00e9\\ud83d\\ude00\\n\", \"o\": {}} ");
  ASSERT_EQ(parsed.error, "");
  const JsonObject& object = *parsed.value.object();
  const JsonArray& array = *object.at("a").array();
  ASSERT_EQ(array.size(), 5u);
  EXPECT_EQ(*array[1].number(), -25.0);
  EXPECT_TRUE(*array[2].boolean());
  EXPECT_TRUE(array[4].isNull());
  EXPECT_EQ(*object.at("s").string(), "\"\xC3\xA9\xF0\x9F\x98\x80\n");
  EXPECT_TRUE(object.at("o").object()->empty());
}

TEST(JsonReader, RefusesMalformedTextWithItsPlace) {
  EXPECT_EQ(parseJson("{\"a\": 1,\n  }").error, "line 2, column 3: member name expected");
  EXPECT_EQ(parseJson("[1 2]").error, "line 1, column 4: ']' expected");
  EXPECT_EQ(parseJson("\"open").error, "line 1, column 6: unterminated string");
  EXPECT_EQ(parseJson("{} x").error, "line 1, column 4: text after the value");
  EXPECT_EQ(parseJson("").error, "line 1, column 1: value expected");
  EXPECT_NE(parseJson(std::string(300, '[') + std::string(300, ']')).error, "");
  EXPECT_NE(parseJson("\"\xFF\"").error, "");
}

}  // namespace
}  // namespace orvane::cli
