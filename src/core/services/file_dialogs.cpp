#include "services/file_dialogs.h"

#include <algorithm>
#include <cctype>

namespace orvane {

std::vector<FileFilter> parseFileFilter(std::string_view filter) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0; start <= filter.size();) {
    const std::size_t bar = std::min(filter.find('|', start), filter.size());
    parts.push_back(filter.substr(start, bar - start));
    start = bar + 1;
  }
  std::vector<FileFilter> filters;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2)
    if (!parts[i + 1].empty()) filters.push_back({std::string(parts[i]), std::string(parts[i + 1])});
  return filters;
}

bool extensionDiffers(std::string_view path, std::string_view defaultExtension) {
  const std::size_t separator = path.find_last_of("\\/");
  const std::string_view name = separator == std::string_view::npos ? path : path.substr(separator + 1);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return false;
  const std::string_view extension = name.substr(dot + 1);
  return !std::ranges::equal(extension, defaultExtension, [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
  });
}

}  // namespace orvane
