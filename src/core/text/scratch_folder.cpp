#include "text/scratch_folder.h"

#include <random>
#include <system_error>

#include "text/file_path.h"

namespace orvane {

namespace {
// Names are drawn at random; a few draws are enough to pass by the folders of other runs.
constexpr int namesTried = 8;
}  // namespace

ScratchFolder::ScratchFolder(std::string_view prefix) {
  std::error_code error;
  const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
  if (error) return;
  std::random_device random;
  for (int attempt = 0; attempt < namesTried; ++attempt) {
    std::filesystem::path candidate = temporary / nativePath(std::string(prefix) + std::to_string(random()));
    if (std::filesystem::create_directory(candidate, error)) {
      path_ = std::move(candidate);
      return;
    }
    if (error) return;  // the temporary folder refuses new folders
  }
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

std::string ScratchFolder::file(std::string_view name) const { return utf8Path(path_ / nativePath(name)); }

}  // namespace orvane
