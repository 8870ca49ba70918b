#include "text/scratch_folder.h"

#include <mutex>
#include <random>
#include <system_error>
#include <vector>

#include "text/file_path.h"

namespace orvane {

namespace {
// Names are drawn at random; a few draws are enough to pass by the folders of other runs.
constexpr int namesTried = 8;

// The folders alive, for removeAll, which another thread may call.
std::mutex liveFoldersLock;
std::vector<std::filesystem::path>& liveFolders() {
  static std::vector<std::filesystem::path> folders;
  return folders;
}
}  // namespace

ScratchFolder::ScratchFolder(std::string_view prefix) {
  std::error_code error;
  const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
  if (error) return;
  std::random_device random;
  for (int attempt = 0; attempt < namesTried; ++attempt) {
    std::filesystem::path candidate = temporary / nativePath(std::string(prefix) + std::to_string(random()));
    if (std::filesystem::create_directory(candidate, error)) {
      // The working copies of the user's texts are no one else's to read.
      std::filesystem::permissions(candidate, std::filesystem::perms::owner_all, error);
      path_ = std::move(candidate);
      const std::scoped_lock lock(liveFoldersLock);
      liveFolders().push_back(path_);
      return;
    }
    if (error) return;  // the temporary folder refuses new folders
  }
}

ScratchFolder::~ScratchFolder() {
  if (path_.empty()) return;
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
  const std::scoped_lock lock(liveFoldersLock);
  std::erase(liveFolders(), path_);
}

void ScratchFolder::removeAll() {
  const std::scoped_lock lock(liveFoldersLock);
  std::error_code ignored;
  for (const std::filesystem::path& folder : liveFolders()) std::filesystem::remove_all(folder, ignored);
}

std::string ScratchFolder::file(std::string_view name) const { return utf8Path(path_ / nativePath(name)); }

}  // namespace orvane
