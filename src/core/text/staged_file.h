#pragma once
// Every file the program writes takes its place whole or not at all. The new content is written under a
// fresh name of its own in the target's folder, created exclusively so that nothing planted there (a
// link, a file of a fixed name) is ever written through or overwritten, then flushed to the disk and
// renamed over the target. Any failure leaves the earlier file as it was and is reported.

#include <filesystem>
#include <string>
#include <string_view>

namespace orvane {

/// What a file operation reports: success, or a sentence saying what failed.
struct FileStatus {
  std::string error;  // empty on success
  bool ok() const { return error.empty(); }
};

/// Who may read a new file: anyone the user's file-creation mask lets, or the owner alone (for copies
/// of the user's texts kept in a private folder). A file replaced keeps the permissions it had.
enum class NewFileAccess { AsMasked, OwnerOnly };

/// A file being written for `target`: open under its staging name from construction, it becomes the
/// target on commit() and is removed otherwise.
class StagedFile {
 public:
  explicit StagedFile(std::filesystem::path target, NewFileAccess access = NewFileAccess::AsMasked);
  ~StagedFile();
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;

  /// The staging file's path, for a writer that opens the file by its name (it finds it empty);
  /// empty when it could not be created.
  const std::filesystem::path& path() const { return path_; }
  /// Appends `bytes`; false, for good, once a write has failed.
  bool write(std::string_view bytes);
  /// Flushes the file to the disk and renames it over the target; a file written by name must still
  /// be the one created here. Any failure, here or in an earlier write, removes the staging file.
  FileStatus commit();

 private:
  FileStatus fail(std::string_view what);
  void discard();

  std::filesystem::path target_;
  std::filesystem::path path_;
  int descriptor_ = -1;
  std::string failure_;
};

/// Writes `bytes` to `path` through a StagedFile. A missing folder is never created.
FileStatus writeFileReplacing(const std::filesystem::path& path, std::string_view bytes,
                              NewFileAccess access = NewFileAccess::AsMasked);

}  // namespace orvane
