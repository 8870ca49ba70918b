#pragma once
// Our parameter files are lines of Windows-1252 text ended by CR LF. These read and write such files;
// inside the program the lines are UTF-8.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/staged_file.h"

namespace orvane {

/// The longest line our files hold; a longer one is cut when written.
inline constexpr std::size_t maxLineBytes = 255;

/// The largest file read whole unless the format says otherwise: far beyond any text, form or picture
/// of ours, well short of what would exhaust the memory.
inline constexpr std::uintmax_t largestFileRead = std::uintmax_t{256} << 20;

/// Whether `path` is a regular file (through links) of at most `largest` bytes: a folder, a pipe that
/// would wait for a writer or a device that never ends is not read.
bool isReadableRegularFile(const std::filesystem::path& path, std::uintmax_t largest);

/// The bytes of the regular file at `path`; nothing when it cannot be read, is no regular file or holds
/// more than `largest` bytes.
std::optional<std::string> readFileBytes(const std::filesystem::path& path,
                                         std::uintmax_t largest = largestFileRead);

/// The lines of `bytes`, each ended by CR LF, LF or a lone CR; the last one needs no end.
std::vector<std::string> splitLines(std::string_view bytes);

/// The lines of the file at `path`, converted from Windows-1252 to UTF-8; nothing when it cannot be
/// read.
std::optional<std::vector<std::string>> readLines(const std::filesystem::path& path);

/// Whether `line`, written by writeLines, reads back unchanged: it holds no line break, nothing outside
/// Windows-1252 (nor bytes that are not UTF-8) and fits in 255 bytes once encoded.
bool writtenWhole(std::string_view line);

/// Writes `lines` to `path` in Windows-1252, each cut at 255 bytes and ended by CR LF, through
/// writeFileReplacing.
FileStatus writeLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace orvane
