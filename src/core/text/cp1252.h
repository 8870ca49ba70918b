#pragma once
// Our files are Windows-1252; inside the program text is UTF-8. Conversion happens at the file
// boundary, through these.

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

/// The code point of a Windows-1252 byte; the five unassigned bytes map to the C1 controls of the
/// same value, so that every byte survives a round trip.
char32_t cp1252CodePoint(unsigned char byte);

/// The Windows-1252 byte of `codePoint`, or nothing when the code page cannot represent it.
std::optional<unsigned char> cp1252Byte(char32_t codePoint);

std::string cp1252ToUtf8(std::string_view bytes);

/// Characters the code page lacks become '?', as the system does for file names it cannot represent.
std::string utf8ToCp1252(std::string_view utf8);

}  // namespace orvane
