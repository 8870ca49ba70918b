#pragma once
// Positions in texts count Unicode code points, the way an edit control counts characters, while the
// texts themselves are held as UTF-8 bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace orvane {

/// The three bytes some editors put before UTF-8 text to say that it is UTF-8.
inline constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";

/// Number of code points in `utf8`; a byte that does not start a valid sequence counts as one.
int utf8Length(std::string_view utf8);

/// Byte offset of code point `index` in `utf8`, or the size of `utf8` when `index` is past its end.
std::size_t utf8Offset(std::string_view utf8, int index);

/// The code point starting at `offset`, which moves past it; a malformed byte decodes as U+FFFD.
char32_t decodeUtf8(std::string_view utf8, std::size_t& offset);

/// Appends `codePoint` to `out` in UTF-8.
void appendUtf8(std::string& out, char32_t codePoint);

/// True when `bytes` is entirely valid UTF-8.
bool isValidUtf8(std::string_view bytes);

}  // namespace orvane
