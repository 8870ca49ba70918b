#include "text/utf8.h"

namespace orvane {

namespace {

bool inRange(unsigned char byte, unsigned char low, unsigned char high) {
  return byte >= low && byte <= high;
}

// Bytes taken by the code point starting at `offset`. Overlong forms, surrogates and truncated or
// malformed sequences are taken one byte at a time, so that no later valid character is swallowed and
// no split lands inside a valid one.
std::size_t sequenceLength(std::string_view utf8, std::size_t offset) {
  const auto lead = static_cast<unsigned char>(utf8[offset]);
  std::size_t expected = 1;
  unsigned char secondLow = 0x80;
  unsigned char secondHigh = 0xBF;
  if (inRange(lead, 0xC2, 0xDF)) {
    expected = 2;
  } else if (inRange(lead, 0xE0, 0xEF)) {
    expected = 3;
    if (lead == 0xE0) secondLow = 0xA0;
    if (lead == 0xED) secondHigh = 0x9F;
  } else if (inRange(lead, 0xF0, 0xF4)) {
    expected = 4;
    if (lead == 0xF0) secondLow = 0x90;
    if (lead == 0xF4) secondHigh = 0x8F;
  }
  if (expected == 1 || offset + expected > utf8.size()) return 1;
  if (!inRange(static_cast<unsigned char>(utf8[offset + 1]), secondLow, secondHigh)) return 1;
  for (std::size_t i = 2; i < expected; ++i)
    if (!inRange(static_cast<unsigned char>(utf8[offset + i]), 0x80, 0xBF)) return 1;
  return expected;
}

}  // namespace

int utf8Length(std::string_view utf8) {
  int count = 0;
  for (std::size_t offset = 0; offset < utf8.size(); offset += sequenceLength(utf8, offset)) ++count;
  return count;
}

std::size_t utf8Offset(std::string_view utf8, int index) {
  std::size_t offset = 0;
  for (int i = 0; i < index && offset < utf8.size(); ++i) offset += sequenceLength(utf8, offset);
  return offset;
}

char32_t decodeUtf8(std::string_view utf8, std::size_t& offset) {
  const std::size_t length = sequenceLength(utf8, offset);
  const auto lead = static_cast<unsigned char>(utf8[offset]);
  if (length == 1) {
    ++offset;
    return lead < 0x80 ? lead : U'\uFFFD';
  }
  char32_t codePoint = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i)
    codePoint = (codePoint << 6) | (static_cast<unsigned char>(utf8[offset + i]) & 0x3F);
  offset += length;
  return codePoint;
}

void appendUtf8(std::string& out, char32_t codePoint) {
  auto byte = [&out](char32_t value) { out.push_back(static_cast<char>(value)); };
  if (codePoint < 0x80) {
    byte(codePoint);
  } else if (codePoint < 0x800) {
    byte(0xC0 | (codePoint >> 6));
    byte(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    byte(0xE0 | (codePoint >> 12));
    byte(0x80 | ((codePoint >> 6) & 0x3F));
    byte(0x80 | (codePoint & 0x3F));
  } else {
    byte(0xF0 | (codePoint >> 18));
    byte(0x80 | ((codePoint >> 12) & 0x3F));
    byte(0x80 | ((codePoint >> 6) & 0x3F));
    byte(0x80 | (codePoint & 0x3F));
  }
}

bool isValidUtf8(std::string_view bytes) {
  for (std::size_t offset = 0; offset < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[offset]);
    const std::size_t length = sequenceLength(bytes, offset);
    if (length == 1 && lead >= 0x80) return false;
    offset += length;
  }
  return true;
}

}  // namespace orvane
