#include "text/staged_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

#include "text/file_path.h"

namespace orvane {

namespace {

// Names are drawn at random; a few draws are enough to pass by the staging files of other writers.
constexpr int namesTried = 16;
constexpr mode_t permissionBits = 07777;

std::string systemError(int error) { return std::strerror(error); }

std::string notWritten(int error) { return "the file could not be written: " + systemError(error); }

}  // namespace

StagedFile::StagedFile(std::filesystem::path target, NewFileAccess access) : target_(std::move(target)) {
  // Created with the usual permissions, which the file-creation mask narrows, or private ones.
  const mode_t creationMode = access == NewFileAccess::OwnerOnly ? 0600 : 0666;
  std::random_device random;
  int error = 0;
  for (int attempt = 0; attempt < namesTried; ++attempt) {
    std::filesystem::path candidate =
        target_.parent_path() / (".orvane-" + std::to_string(random()) + ".tmp");
    descriptor_ =
        ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, creationMode);
    if (descriptor_ >= 0) {
      path_ = std::move(candidate);
      break;
    }
    error = errno;
    if (error != EEXIST) break;
  }
  if (descriptor_ < 0) {
    failure_ = notWritten(error);
    return;
  }
  // A file replaced keeps its permissions; whatever else holds the name (a link) lends none.
  struct stat former {};
  if (::lstat(target_.c_str(), &former) == 0 && S_ISREG(former.st_mode) &&
      ::fchmod(descriptor_, former.st_mode & permissionBits) != 0)
    failure_ = systemError(errno);
}

StagedFile::~StagedFile() { discard(); }

bool StagedFile::write(std::string_view bytes) {
  while (failure_.empty() && !bytes.empty()) {
    const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
    if (written > 0)
      bytes.remove_prefix(static_cast<std::size_t>(written));
    else if (written == 0)
      failure_ = "nothing could be written";
    else if (errno != EINTR)
      failure_ = notWritten(errno);
  }
  return failure_.empty();
}

FileStatus StagedFile::commit() {
  if (!failure_.empty()) return fail(failure_);
  // A writer that opened the file by its name must have written into this very file, not into
  // something put in its place since.
  struct stat opened {};
  struct stat named {};
  if (::fstat(descriptor_, &opened) != 0 || ::lstat(path_.c_str(), &named) != 0 ||
      opened.st_dev != named.st_dev || opened.st_ino != named.st_ino)
    return fail("the file being written was replaced");
  if (::fsync(descriptor_) != 0) return fail(systemError(errno));
  const int closed = ::close(descriptor_);
  descriptor_ = -1;
  if (closed != 0) return fail(systemError(errno));
  if (::rename(path_.c_str(), target_.c_str()) != 0) return fail(systemError(errno));
  path_.clear();
  return {};
}

FileStatus StagedFile::fail(std::string_view what) {
  FileStatus status{utf8Path(target_) + ": " + std::string(what)};
  discard();
  return status;
}

void StagedFile::discard() {
  if (descriptor_ >= 0) ::close(descriptor_);
  descriptor_ = -1;
  if (!path_.empty()) ::unlink(path_.c_str());
  path_.clear();
}

FileStatus writeFileReplacing(const std::filesystem::path& path, std::string_view bytes,
                              NewFileAccess access) {
  StagedFile staged(path, access);
  staged.write(bytes);
  return staged.commit();
}

}  // namespace orvane
