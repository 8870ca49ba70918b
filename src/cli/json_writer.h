#pragma once
// JSON as the commands of orvane-cli print it. nlohmann-json holds the values and escapes the texts;
// the layout and the numbers are ours: an indented document written as it goes, so that a long one
// never sits whole in memory, or a document on one line. Texts are written as UTF-8; the caller pairs every
// begin with its end and gives every value of an object a key first.

#include <concepts>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::cli {

/// A JSON value whose object members keep the order they were added in.
using Json = nlohmann::ordered_json;

/// Appends `text` to `out` as a quoted JSON string. A byte that is not UTF-8 is kept as it is: a file
/// name read from disk may hold any byte, and a script must still be able to find the file by its name.
void appendJsonString(std::string& out, std::string_view text);
/// Appends `value` to `out` on one line, a blank after every colon and comma: {"a": 1, "b": [true, null]}.
/// Doubles take the fewest digits that read back as the same double; not finite, they are null.
void appendJsonLine(std::string& out, const Json& value);
/// `text` with its control bytes written as a JSON string writes them ("\n", "\u001b"), so that a
/// name printed on a terminal can neither break the line nor drive the terminal.
std::string escapeControlBytes(std::string_view text);

class JsonWriter {
 public:
  void beginObject();
  void endObject();
  void beginArray();
  void endArray();
  /// The name of the next value of the current object.
  void key(std::string_view name);

  void value(std::string_view text);
  void value(const char* text) { value(std::string_view(text)); }
  void value(bool flag) { scalar(Json(flag)); }
  void null() { scalar(Json()); }
  /// Written with the fewest digits that read back as the same double; null when not finite.
  void value(double number) { scalar(Json(number)); }
  template <std::integral Integer>
  void value(Integer number) {
    scalar(Json(number));
  }

  template <typename Value>
  void field(std::string_view name, const Value& fieldValue) {
    key(name);
    value(fieldValue);
  }

  /// The document written so far, since the last `flushTo`.
  const std::string& text() const { return out_; }
  /// Writes the text so far to `out` and forgets it, so that a long document never sits whole in memory.
  void flushTo(std::ostream& out);

 private:
  void beforeValue();
  void scalar(const Json& value);
  void begin(char bracket);
  void end(char bracket);
  void newLine(std::size_t depth);

  std::string out_;
  std::vector<int> memberCounts_;  // one per open object or array
  bool afterKey_ = false;
};

}  // namespace orvane::cli
