#include "cli/json_writer.h"

#include <cmath>
#include <cstdio>

namespace orvane::cli {

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

void JsonWriter::writeScalar(std::string_view json) {
  beforeValue();
  out_ += json;
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

namespace {

void appendControlEscaped(std::string& out, char c) {
  switch (c) {
    case '\n':
      out += "\\n";
      break;
    case '\r':
      out += "\\r";
      break;
    case '\t':
      out += "\\t";
      break;
    default:
      if (static_cast<unsigned char>(c) < 0x20) {
        char escaped[7];
        std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
        out += escaped;
      } else {
        out += c;
      }
  }
}

}  // namespace

std::string escapeControlBytes(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) appendControlEscaped(escaped, c);
  return escaped;
}

void appendJsonString(std::string& out, std::string_view text) {
  out += '"';
  for (const char c : text) {
    if (c == '"')
      out += "\\\"";
    else if (c == '\\')
      out += "\\\\";
    else
      appendControlEscaped(out, c);
  }
  out += '"';
}

void JsonWriter::value(std::string_view text) {
  beforeValue();
  appendJsonString(out_, text);
}

void JsonWriter::value(bool flag) { writeScalar(flag ? "true" : "false"); }

void JsonWriter::null() { writeScalar("null"); }

void JsonWriter::value(double number) {
  if (!std::isfinite(number)) return writeScalar("null");
  char digits[32];
  const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  writeScalar(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void JsonWriter::flushTo(std::ostream& out) {
  out << out_;
  out_.clear();
}

}  // namespace orvane::cli
