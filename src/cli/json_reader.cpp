#include "cli/json_reader.h"

#include <algorithm>
#include <stdexcept>

namespace orvane::cli {

namespace {

// Deeper nesting is refused: the commands walk what they read by recursion, and a copy of a value
// recurses as deep as the value.
constexpr int deepestNesting = 200;

struct TooDeep : std::runtime_error {
  TooDeep() : std::runtime_error("nested more than " + std::to_string(deepestNesting) + " levels deep") {}
};

// "line L, column C" of the byte at `offset`, both counted from 1; a column counts bytes.
std::string placeOf(std::string_view text, std::size_t offset) {
  const std::string_view before = text.substr(0, std::min(offset, text.size()));
  const auto line = 1 + std::count(before.begin(), before.end(), '\n');
  const std::size_t lineStart = before.rfind('\n') + 1;  // 0 on the first line
  return "line " + std::to_string(line) + ", column " + std::to_string(before.size() - lineStart + 1);
}

// nlohmann's account of the fault without its own prefix and place, nor the text it last read, which
// may be the whole rest of the file.
std::string faultOf(const nlohmann::json::exception& error, bool placed) {
  std::string what = error.what();
  what.erase(0, what.find("] ") + 2);
  if (placed) what.erase(0, what.find(": ") + 2);
  if (const auto lastRead = what.find("; last read: "); lastRead != std::string::npos) {
    const auto expected = what.rfind("; expected ");
    what.erase(lastRead,
               (expected == std::string::npos || expected < lastRead ? what.size() : expected) - lastRead);
  }
  return what;
}

}  // namespace

JsonParse parseJson(std::string_view text) {
  const auto refuseDeepNesting = [](int depth, nlohmann::json::parse_event_t event, nlohmann::json&) {
    const bool opens = event == nlohmann::json::parse_event_t::object_start ||
                       event == nlohmann::json::parse_event_t::array_start;
    if (opens && depth >= deepestNesting) throw TooDeep();
    return true;
  };
  try {
    return {nlohmann::json::parse(text, refuseDeepNesting), {}};
  } catch (const nlohmann::json::parse_error& error) {
    // The byte it gives counts from 1 and is the last one read: the end of the text past its last byte.
    return {{}, placeOf(text, error.byte - 1) + ": " + faultOf(error, true)};
  } catch (const nlohmann::json::exception& error) {  // a number too large for a double
    return {{}, faultOf(error, false)};
  } catch (const TooDeep& error) {
    return {{}, error.what()};
  }
}

}  // namespace orvane::cli
