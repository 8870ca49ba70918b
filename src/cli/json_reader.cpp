#include "cli/json_reader.h"

#include <charconv>
#include <stdexcept>

#include "text/utf8.h"

namespace orvane::cli {

namespace {

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  JsonValue document() {
    JsonValue value = parseValue(0);
    skipBlanks();
    if (at_ < text_.size()) fail("text after the value");
    return value;
  }
  std::string where() const {
    int line = 1;
    int column = 1;
    for (std::size_t i = 0; i < at_ && i < text_.size(); ++i) {
      if (text_[i] == '\n') ++line, column = 0;
      ++column;
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
  }

 private:
  [[noreturn]] void fail(const std::string& what) const { throw std::runtime_error(what); }

  void skipBlanks() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r'))
      ++at_;
  }
  bool take(char c) {
    skipBlanks();
    if (at_ < text_.size() && text_[at_] == c) return ++at_, true;
    return false;
  }
  void expect(char c) {
    if (!take(c)) fail(std::string("'") + c + "' expected");
  }
  bool word(std::string_view w) {
    if (text_.substr(at_, w.size()) != w) return false;
    at_ += w.size();
    return true;
  }

  JsonValue parseValue(int depth) {
    // Deep nesting is refused rather than allowed to exhaust the stack.
    if (depth > 200) fail("nested too deeply");
    skipBlanks();
    if (at_ >= text_.size()) fail("value expected");
    const char c = text_[at_];
    if (c == '{') return {parseObject(depth)};
    if (c == '[') return {parseArray(depth)};
    if (c == '"') return {parseString()};
    if (word("true")) return {true};
    if (word("false")) return {false};
    if (word("null")) return {nullptr};
    return {parseNumber()};
  }

  JsonObject parseObject(int depth) {
    JsonObject object;
    expect('{');
    if (take('}')) return object;
    do {
      skipBlanks();
      if (at_ >= text_.size() || text_[at_] != '"') fail("member name expected");
      std::string name = parseString();
      expect(':');
      object.insert_or_assign(std::move(name), parseValue(depth + 1));
    } while (take(','));
    expect('}');
    return object;
  }

  JsonArray parseArray(int depth) {
    JsonArray array;
    expect('[');
    if (take(']')) return array;
    do array.push_back(parseValue(depth + 1));
    while (take(','));
    expect(']');
    return array;
  }

  unsigned hex4() {
    if (at_ + 4 > text_.size()) fail("bad \\u escape");
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text_.data() + at_, text_.data() + at_ + 4, value, 16);
    if (error != std::errc() || end != text_.data() + at_ + 4) fail("bad \\u escape");
    at_ += 4;
    return value;
  }

  std::string parseString() {
    std::string result;
    ++at_;  // the opening quote
    while (true) {
      if (at_ >= text_.size()) fail("unterminated string");
      const char c = text_[at_++];
      if (c == '"') break;
      if (static_cast<unsigned char>(c) < 0x20) fail("control character in a string");
      if (c != '\\') {
        result += c;
        continue;
      }
      if (at_ >= text_.size()) fail("unterminated string");
      switch (const char e = text_[at_++]) {
        case '"':
        case '\\':
        case '/':
          result += e;
          break;
        case 'b':
          result += '\b';
          break;
        case 'f':
          result += '\f';
          break;
        case 'n':
          result += '\n';
          break;
        case 'r':
          result += '\r';
          break;
        case 't':
          result += '\t';
          break;
        case 'u': {
          char32_t code = hex4();
          if (code >= 0xD800 && code < 0xDC00 && word("\\u")) {
            const unsigned low = hex4();
            if (low < 0xDC00 || low > 0xDFFF) fail("bad surrogate pair");
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
          }
          appendUtf8(result, code);
          break;
        }
        default:
          fail("bad escape");
      }
    }
    if (!isValidUtf8(result)) fail("string is not UTF-8");
    return result;
  }

  double parseNumber() {
    const std::size_t start = at_;
    if (at_ < text_.size() && text_[at_] == '-') ++at_;
    while (at_ < text_.size() &&
           std::string_view("0123456789.eE+-").find(text_[at_]) != std::string_view::npos)
      ++at_;
    double value = 0;
    const auto [end, error] = std::from_chars(text_.data() + start, text_.data() + at_, value);
    if (at_ == start || error != std::errc() || end != text_.data() + at_) {
      at_ = start;
      fail("value expected");
    }
    return value;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

}  // namespace

JsonParse parseJson(std::string_view text) {
  Parser parser(text);
  try {
    return {parser.document(), {}};
  } catch (const std::runtime_error& error) {
    return {{}, parser.where() + ": " + error.what()};
  }
}

}  // namespace orvane::cli
