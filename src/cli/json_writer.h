#pragma once
// A small writer of indented JSON for the commands of orvane-cli. Texts are written as UTF-8; the
// caller pairs every begin with its end and gives every value of an object a key first.

#include <charconv>
#include <concepts>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::cli {

/// Appends `text` to `out` as a quoted JSON string.
void appendJsonString(std::string& out, std::string_view text);
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
  void value(bool flag);
  void null();
  /// Written with the fewest digits that read back as the same double; null when not finite.
  void value(double number);
  template <std::integral Integer>
  void value(Integer number) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    writeScalar(std::string_view(digits, static_cast<std::size_t>(end - digits)));
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
  void writeScalar(std::string_view json);
  void begin(char bracket);
  void end(char bracket);
  void newLine(std::size_t depth);

  std::string out_;
  std::vector<int> memberCounts_;  // one per open object or array
  bool afterKey_ = false;
};

}  // namespace orvane::cli
