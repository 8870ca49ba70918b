#include "cli/json_reader.h"

#include <gtest/gtest.h>

namespace orvane::cli {
namespace {

TEST(JsonReader, ReadsADocumentWithBlanksAround) {
  const JsonParse parsed = parseJson(" {\"a\": [1, -2.5e1, null], \"a\": \"last\"}\n");
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.value.at("a"), "last");
}

TEST(JsonReader, RefusesMalformedTextWithItsPlace) {
  EXPECT_EQ(
      parseJson("{\"a\": 1,\n  }").error,
      "line 2, column 3: syntax error while parsing object key - unexpected '}'; expected string literal");
  EXPECT_EQ(parseJson("[1 2]").error,
            "line 1, column 4: syntax error while parsing array - unexpected number literal; expected ']'");
  // The end of the text is the place past its last byte.
  EXPECT_EQ(parseJson("{\"controls\": [\n").error.substr(0, 18), "line 2, column 1: ");
  EXPECT_EQ(parseJson("").error.substr(0, 18), "line 1, column 1: ");
  // The text last read, which may be the rest of the file, is left out of the line.
  EXPECT_EQ(parseJson("\"open").error,
            "line 1, column 6: syntax error while parsing value - invalid string: missing closing quote");
  EXPECT_EQ(parseJson("{} x").error,
            "line 1, column 4: syntax error while parsing value - invalid literal; expected end of input");
  // Lines end at line feeds; columns count bytes.
  EXPECT_EQ(parseJson("\r\n\n[\"caf\xC3\xA9\", \"\xFF\"]").error.substr(0, 19), "line 3, column 12: ");
  EXPECT_EQ(parseJson("[1e400]").error, "number overflow parsing '1e400'");
}

TEST(JsonReader, RefusesNestingTooDeepForTheCommandsThatWalkIt) {
  const std::string deepest = std::string(200, '[') + std::string(200, ']');
  EXPECT_EQ(parseJson(deepest).error, "");
  EXPECT_EQ(parseJson("[" + deepest + "]").error, "nested more than 200 levels deep");
  EXPECT_EQ(parseJson(std::string(100000, '[')).error, "nested more than 200 levels deep");
}

}  // namespace
}  // namespace orvane::cli
