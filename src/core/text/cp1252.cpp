#include "text/cp1252.h"

#include <array>

#include "text/utf8.h"

namespace orvane {

namespace {

// 0x80 to 0x9F; the rest of the code page is the same as Latin-1.
constexpr std::array<char32_t, 32> highControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char32_t cp1252CodePoint(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return highControls[byte - 0x80];
  return byte;
}

std::optional<unsigned char> cp1252Byte(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
    return static_cast<unsigned char>(codePoint);
  for (std::size_t i = 0; i < highControls.size(); ++i)
    if (highControls[i] == codePoint) return static_cast<unsigned char>(0x80 + i);
  return std::nullopt;
}

std::string cp1252ToUtf8(std::string_view bytes) {
  std::string utf8;
  utf8.reserve(bytes.size());
  for (const char byte : bytes) appendUtf8(utf8, cp1252CodePoint(static_cast<unsigned char>(byte)));
  return utf8;
}

std::string utf8ToCp1252(std::string_view utf8) {
  std::string bytes;
  bytes.reserve(utf8.size());
  for (std::size_t offset = 0; offset < utf8.size();) {
    const auto byte = cp1252Byte(decodeUtf8(utf8, offset));
    bytes.push_back(static_cast<char>(byte.value_or('?')));
  }
  return bytes;
}

}  // namespace orvane
