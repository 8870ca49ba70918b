#pragma once
// One fuzz input as the files of a load: the file loaded comes first, then the files it names (its
// companion texts, its photo), each after a separator line. The loaded file may name any path, so a
// named file is written only inside the input's own folder.
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "text/line_file.h"

namespace orvane::fuzz {

/// What separates two files in an input; the seeds hold it, and mutations may move or break it.
inline constexpr std::string_view fileSeparator = "\n--8<-- orvane fuzz file\n";

/// The files of `input`: the loaded file's bytes, then those of each named file in turn.
inline std::vector<std::string_view> splitFiles(std::string_view input) {
  std::vector<std::string_view> files;
  for (std::size_t at = input.find(fileSeparator); at != std::string_view::npos;
       at = input.find(fileSeparator)) {
    files.push_back(input.substr(0, at));
    input.remove_prefix(at + fileSeparator.size());
  }
  files.push_back(input);
  return files;
}

/// Writes `bytes` as the file at `path` when that lies within `folder`, making the folders between.
inline void writeNamedFile(const std::filesystem::path& folder, const std::filesystem::path& path,
                           std::string_view bytes) {
  const std::filesystem::path inside = path.lexically_normal().lexically_relative(folder.lexically_normal());
  if (inside.empty() || *inside.begin() == ".." || !inside.has_filename() || inside == ".") return;
  std::error_code error;
  std::filesystem::create_directories((folder / inside).parent_path(), error);
  if (!error) writeFileReplacing(folder / inside, bytes);
}

}  // namespace orvane::fuzz
