#pragma once
// A folder of one's own under the system's temporary folder, for files that must not land in the
// user's folders (working copies, test and benchmark files).

#include <filesystem>
#include <string>
#include <string_view>

namespace orvane {

class ScratchFolder {
 public:
  /// Makes a new, empty folder whose name starts with `prefix`, readable by its owner only; `path()` is
  /// empty when none could be made. A folder that exists already is never taken, as it belongs to
  /// someone else.
  explicit ScratchFolder(std::string_view prefix);
  /// Removes the folder with everything in it.
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  /// Removes every folder of this process still there: for an end that runs no destructor, such as a
  /// termination signal taken by a thread of its own.
  static void removeAll();

  const std::filesystem::path& path() const { return path_; }
  /// The UTF-8 path of `name` in the folder.
  std::string file(std::string_view name) const;

 private:
  std::filesystem::path path_;
};

}  // namespace orvane
