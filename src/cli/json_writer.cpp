#include "cli/json_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "text/utf8.h"

namespace orvane::cli {

namespace {

// `utf8` as nlohmann writes it between the quotes of a JSON string.
void appendEscaped(std::string& out, std::string_view utf8) {
  if (utf8.empty()) return;
  const std::string quoted = Json(utf8).dump(-1, ' ', false, Json::error_handler_t::replace);
  out.append(quoted, 1, quoted.size() - 2);
}

// A number in the shortest form that reads back as the same number. nlohmann would write 85.0 and
// 1000000.0 where the commands have always printed 85 and 1e+06; and a value of its own costs more
// than the digits.
template <typename Number>
void appendNumber(std::string& out, Number number) {
  if constexpr (std::is_floating_point_v<Number>) {
    if (!std::isfinite(number)) {
      out += "null";
      return;
    }
  }
  char digits[32];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
}

// Appends the members or items of `container` between `open` and `close`, `appendItem` writing each.
template <typename AppendItem>
void appendOnOneLine(std::string& out, const Json& container, char open, char close, AppendItem appendItem) {
  out += open;
  for (auto item = container.begin(); item != container.end(); ++item) {
    if (item != container.begin()) out += ", ";
    appendItem(item);
  }
  out += close;
}

}  // namespace

void appendJsonString(std::string& out, std::string_view text) {
  out += '"';
  // Valid UTF-8 without a control character, quote or backslash, as most names, keys and texts are, is
  // written as nlohmann writes it: as it stands. Building a JSON value for each would cost more than the
  // rest of the line.
  bool ascii = true;
  const bool nothingToEscape = std::ranges::none_of(text, [&ascii](char c) {
    const auto byte = static_cast<unsigned char>(c);
    ascii = ascii && byte < 0x80;
    return byte < 0x20 || c == '"' || c == '\\';
  });
  if (nothingToEscape && (ascii || isValidUtf8(text))) {
    out.append(text);
    out += '"';
    return;
  }
  std::size_t validFrom = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t start = at;
    if (decodeUtf8(text, at) != U'\uFFFD' || at != start + 1) continue;  // not a malformed byte
    appendEscaped(out, text.substr(validFrom, start - validFrom));
    out += text[start];
    validFrom = at;
  }
  appendEscaped(out, text.substr(validFrom));
  out += '"';
}

void appendJsonLine(std::string& out, const Json& value) {
  switch (value.type()) {
    case Json::value_t::string:
      appendJsonString(out, value.get_ref<const std::string&>());
      break;
    case Json::value_t::number_float:
      appendNumber(out, value.get<double>());
      break;
    case Json::value_t::number_integer:
      appendNumber(out, value.get<std::int64_t>());
      break;
    case Json::value_t::number_unsigned:
      appendNumber(out, value.get<std::uint64_t>());
      break;
    case Json::value_t::boolean:
      out += value.get<bool>() ? "true" : "false";
      break;
    case Json::value_t::array:
      appendOnOneLine(out, value, '[', ']', [&out](auto item) { appendJsonLine(out, *item); });
      break;
    case Json::value_t::object:
      appendOnOneLine(out, value, '{', '}', [&out](auto member) {
        appendJsonString(out, member.key());
        out += ": ";
        appendJsonLine(out, member.value());
      });
      break;
    case Json::value_t::null:
      out += "null";
      break;
    default:  // a binary value, which no command prints
      out += value.dump();
  }
}

std::string escapeControlBytes(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (static_cast<unsigned char>(text[at]) < 0x20)
      appendEscaped(escaped, text.substr(at, 1));
    else
      escaped += text[at];
  }
  return escaped;
}

void JsonWriter::newLine(std::size_t depth) {
  out_ += '\n';
  out_.append(2 * depth, ' ');
}

// Separates the value (or key) from the previous one and indents it, unless it follows its key.
void JsonWriter::beforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (memberCounts_.empty()) return;
  if (memberCounts_.back()++ > 0) out_ += ',';
  newLine(memberCounts_.size());
}

void JsonWriter::scalar(const Json& value) {
  beforeValue();
  appendJsonLine(out_, value);
}

void JsonWriter::begin(char bracket) {
  beforeValue();
  out_ += bracket;
  memberCounts_.push_back(0);
}

void JsonWriter::end(char bracket) {
  const bool hadMembers = memberCounts_.back() > 0;
  memberCounts_.pop_back();
  if (hadMembers) newLine(memberCounts_.size());
  out_ += bracket;
}

void JsonWriter::beginObject() { begin('{'); }
void JsonWriter::endObject() { end('}'); }
void JsonWriter::beginArray() { begin('['); }
void JsonWriter::endArray() { end(']'); }

void JsonWriter::key(std::string_view name) {
  value(name);
  out_ += ": ";
  afterKey_ = true;
}

void JsonWriter::value(std::string_view text) {
  beforeValue();
  appendJsonString(out_, text);
}

void JsonWriter::flushTo(std::ostream& out) {
  out << out_;
  out_.clear();
}

}  // namespace orvane::cli
