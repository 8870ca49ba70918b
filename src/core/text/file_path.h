#pragma once
// Paths arrive as UTF-8 text, often in the Windows form our files record (".\element\C1carte.rtf").
// These turn such text into a path of the running system and back.

#include <filesystem>
#include <string>
#include <string_view>

namespace orvane {

/// `utf8` as a path of this system; "\" and "/" both separate folders on every system.
std::filesystem::path nativePath(std::string_view utf8);

/// `path` as UTF-8 text.
std::string utf8Path(const std::filesystem::path& path);

/// `path` without the extension of its file name.
std::string pathWithoutExtension(std::string_view path);

}  // namespace orvane
