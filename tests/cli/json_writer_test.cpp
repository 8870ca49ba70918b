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
  json.null();
  json.endArray();
  json.endObject();
  EXPECT_EQ(json.text(), "{\n  \"list\": 1,\n  \"items\": [\n    true,\n    {},\n    [],\n    null\n  ]\n}");
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

TEST(JsonWriter, EscapesQuotesBackslashesAndControlBytes) {
  JsonWriter json;
  json.value("a\"b\\c\n\r\t\x01\x1f\x7f caf\xC3\xA9");
  EXPECT_EQ(json.text(), "\"a\\\"b\\\\c\\n\\r\\t\\u0001\\u001f\x7f caf\xC3\xA9\"");
  // On a terminal the quotes stay as they are: only the control bytes are escaped.
  EXPECT_EQ(escapeControlBytes("\"x\\\"\n\x1b[2J"), "\"x\\\"\\n\\u001b[2J");
}

TEST(JsonWriter, KeepsTheBytesOfAFileNameThatAreNotUtf8) {
  std::string out;
  // A lone byte, a sequence cut short and a surrogate around valid text, a real U+FFFD among them.
  appendJsonString(out, "\xFF\"caf\xC3\xA9\xE2\x82 \xEF\xBF\xBD\xED\xA0\x80\n\xC3");
  EXPECT_EQ(out, "\"\xFF\\\"caf\xC3\xA9\xE2\x82 \xEF\xBF\xBD\xED\xA0\x80\\n\xC3\"");
}

TEST(JsonWriter, NumbersTakeTheFewestDigitsThatReadBack) {
  JsonWriter json;
  json.beginArray();
  json.value(std::numeric_limits<std::int16_t>::min());
  json.value(std::uint32_t{0xFFCDC0});
  json.value(std::numeric_limits<std::uint64_t>::max());
  for (const double number : {0.1, 89.0 / 182, 85.0, 1e6, -0.0, 1e21, 0.0005}) json.value(number);
  json.value(std::numeric_limits<double>::quiet_NaN());
  json.value(-std::numeric_limits<double>::infinity());
  json.endArray();
  EXPECT_EQ(json.text(),
            "[\n  -32768,\n  16764352,\n  18446744073709551615,\n  0.1,\n  0.489010989010989,\n  85,\n"
            "  1e+06,\n  -0,\n  1e+21,\n  5e-04,\n  null,\n  null\n]");
}

TEST(JsonLine, WritesADocumentOnOneLineInTheOrderOfItsMembers) {
  Json line;
  line["path"] = "b.bmp";
  line["code"] = 199;
  line["sizes"] = {Json(), 2.5, false};
  line["empty"] = Json::object();
  std::string out;
  appendJsonLine(out, line);
  EXPECT_EQ(out, "{\"path\": \"b.bmp\", \"code\": 199, \"sizes\": [null, 2.5, false], \"empty\": {}}");
}

}  // namespace
}  // namespace orvane::cli
