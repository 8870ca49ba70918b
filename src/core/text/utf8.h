#pragma once
// Positions in texts count Unicode code points, the way an edit control counts characters, while the
// texts themselves are held as UTF-8 bytes.

#include <cstddef>
#include <string_view>

namespace orvane {

/// Number of code points in `utf8`; a byte that does not start a valid sequence counts as one.
int utf8Length(std::string_view utf8);

/// Byte offset of code point `index` in `utf8`, or the size of `utf8` when `index` is past its end.
std::size_t utf8Offset(std::string_view utf8, int index);

}  // namespace orvane
