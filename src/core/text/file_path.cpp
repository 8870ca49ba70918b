#include "text/file_path.h"

#include <algorithm>

namespace orvane {

std::filesystem::path nativePath(std::string_view utf8) {
  std::u8string text(utf8.begin(), utf8.end());
  std::replace(text.begin(), text.end(), u8'\\', u8'/');
  std::filesystem::path path(text);
  path.make_preferred();
  return path;
}

std::string utf8Path(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::string pathWithoutExtension(std::string_view path) {
  const std::size_t separator = path.find_last_of("\\/");
  const std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || (separator != std::string_view::npos && dot < separator))
    return std::string(path);
  return std::string(path.substr(0, dot));
}

}  // namespace orvane
