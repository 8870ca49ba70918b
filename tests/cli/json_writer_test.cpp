#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <sstream>

namespace orvane::cli {
namespace {

TEST(JsonWriter, NestsAndSeparatesContainers) {
  JsonWriter json;
  json.beginObject();
  json.field("list", 1);
  json.key("items");
  json.beginArray();
  json.value(true);
  json.beginObject();
  json.endObject();
  json.beginArray();
  json.endArray();
  json.endArray();
  json.endObject();
  EXPECT_EQ(json.text(), "{\n  \"list\": 1,\n  \"items\": [\n    true,\n    {},\n    []\n  ]\n}");
}

TEST(JsonWriter, FlushingInPiecesWritesTheSameDocument) {
  JsonWriter whole;
  JsonWriter pieces;
  std::ostringstream flushed;
  for (JsonWriter* json : {&whole, &pieces}) {
    json->beginObject();
    json->key("items");
    json->beginArray();
    for (int item = 0; item < 3; ++item) {
      json->value(item);
      if (json == &pieces) pieces.flushTo(flushed);
    }
    json->endArray();
    json->endObject();
  }
  pieces.flushTo(flushed);
  EXPECT_EQ(flushed.str(), whole.text());
  EXPECT_TRUE(pieces.text().empty());
}

TEST(JsonWriter, EscapesQuotesBackslashesAndControlCharacters) {
  JsonWriter json;
  json.value("a\"b\\c\n\r\t\x01\x1f caf\xC3\xA9");
  EXPECT_EQ(json.text(), "\"a\\\"b\\\\c\\n\\r\\t\\u0001\\u001f caf\xC3\xA9\"");
}

TEST(JsonWriter, NumbersKeepTheirExactValue) {
  JsonWriter json;
  json.beginArray();
  json.value(std::numeric_limits<std::int16_t>::min());
  json.value(std::uint32_t{0xFFCDC0});
  json.value(0.1);
  json.value(89.0 / 182);
  json.value(std::numeric_limits<double>::quiet_NaN());
  json.endArray();
  EXPECT_EQ(json.text(), "[\n  -32768,\n  16764352,\n  0.1,\n  0.489010989010989,\n  null\n]");
}

}  // namespace
}  // namespace orvane::cli
