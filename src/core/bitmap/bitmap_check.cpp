#include "bitmap/bitmap_check.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <memory>
#include <string>
#include <system_error>

#include "catalogue/catalogue.h"
#include "text/file_path.h"
#include "text/line_file.h"

namespace orvane {

namespace {

constexpr int messageNotBitmap = 1103;
constexpr int messageValid = 1104;
constexpr int messageInvalid = 1105;
constexpr int questionRepair = 1155;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// A C stream, unbuffered: a check reads one small block, and a stream buffer would cost more than the
// read itself when a folder holds thousands of files.
File openFile(const std::filesystem::path& path, const char* mode) {
#ifdef _WIN32
  const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
  File file(_wfopen(path.c_str(), wideMode.c_str()));
#else
  File file(std::fopen(path.c_str(), mode));
#endif
  if (file) std::setvbuf(file.get(), nullptr, _IONBF, 0);
  return file;
}

// Reads the file header and the smallest info header, then the rest of a larger info header: asking
// at once for more than a small file holds would cost a second read to learn where it ends.
BitmapAssessment assessOpenFile(std::FILE* file) {
  unsigned char start[bitmapHeadersReadSize];
  std::size_t read = std::fread(start, 1, bitmapFirstReadSize, file);
  if (read == bitmapFirstReadSize) {
    const std::size_t headers = bitmapHeadersLength(std::span<const unsigned char>(start, read));
    read += std::fread(start + read, 1, headers - read, file);
  }
  return assessBitmapHeaders(std::span<const unsigned char>(start, read));
}

// A file marked read-only, or that this user may not write, is refused: the repair renames a new file
// over it, which the folder's permissions allow whatever the file's own say. The bits are looked at
// too, as a privileged user may open any file for writing.
bool isWriteProtected(const std::filesystem::path& path) {
  std::error_code error;
  const std::filesystem::perms perms = std::filesystem::status(path, error).permissions();
  constexpr std::filesystem::perms anyWrite = std::filesystem::perms::owner_write |
                                              std::filesystem::perms::group_write |
                                              std::filesystem::perms::others_write;
  if (error || (perms & anyWrite) == std::filesystem::perms::none) return true;
  return !openFile(path, "r+b");
}

void writeUint32(std::string& bytes, std::size_t at, std::uint64_t value) {
  for (std::size_t index = 0; index < 4; ++index)
    bytes[at + index] = static_cast<char>((value >> (8 * index)) & 0xFF);
}

}  // namespace

std::optional<BitmapAssessment> inspectBitmapFile(const std::string& path) {
  return inspectBitmapFile(nativePath(path));
}

std::optional<BitmapAssessment> inspectBitmapFile(const std::filesystem::path& path) {
  // Only the headers are read, so no size limits the file; a pipe or a device is no bitmap file.
  if (!isReadableRegularFile(path, std::numeric_limits<std::uintmax_t>::max())) return std::nullopt;
  const File file = openFile(path, "rb");
  if (!file) return std::nullopt;
  return assessOpenFile(file.get());
}

std::string bitmapBackupPath(const std::string& path) {
  const std::filesystem::path native = nativePath(path);
  return utf8Path(native.parent_path() / ("old_" + utf8Path(native.filename())));
}

BitmapRepair repairBitmapFile(const std::string& path, bool backup) {
  std::filesystem::path target = nativePath(path);
  std::error_code error;
  // Through a link, the file it names is repaired and the link stays a link.
  if (std::filesystem::is_symlink(target, error)) target = std::filesystem::canonical(target, error);
  if (error || isWriteProtected(target)) return {};
  std::optional<std::string> bytes = readFileBytes(target);
  if (!bytes) return {};
  // Read again in full, the file must still be what the check saw.
  const BitmapAssessment assessment = assessBitmapHeaders(std::span(
      reinterpret_cast<const unsigned char*>(bytes->data()), std::min(bytes->size(), bitmapHeadersReadSize)));
  if (assessment.verdict != BitmapVerdict::Repairable) return {};

  BitmapRepair repair;
  if (backup) {
    // A backup that cannot be made does not stop the repair. Written as any file of ours, it replaces
    // whatever holds its name and never writes through a link planted there.
    const std::string backupPath = bitmapBackupPath(path);
    if (writeFileReplacing(nativePath(backupPath), *bytes).ok()) repair.backup = backupPath;
  }
  writeUint32(*bytes, bitmapFileSizeOffset, *assessment.expectedFileSize);
  writeUint32(*bytes, bitmapImageSizeOffset, *assessment.expectedImageSize);
  if (writeFileReplacing(target, *bytes).ok()) repair.code = BitmapCheckCode::Repaired;
  return repair;
}

BitmapCheckCode checkBitmap(const std::string& path, const BitmapCheckOptions& options, Prompter& prompter,
                            Language language) {
  BitmapAssessment assessment;
  {
    const File file = openFile(nativePath(path), "r+b");
    if (!file) throw BitmapFileError(path + ": " + std::generic_category().message(errno));
    assessment = assessOpenFile(file.get());
  }
  auto tell = [&](MessageKind kind, int id) {
    if (!options.silentMode) prompter.show(kind, catalogue::text(language, id));
  };
  switch (assessment.verdict) {
    case BitmapVerdict::NotBitmap:
      tell(MessageKind::Warning, messageNotBitmap);
      return BitmapCheckCode::NotBitmap;
    case BitmapVerdict::Valid:
      tell(MessageKind::Information, messageValid);
      return BitmapCheckCode::Unchanged;
    case BitmapVerdict::Corrupt:
      // Too damaged for its dimensions to be trusted: a repair would write sizes made of garbage.
      tell(MessageKind::Warning, messageInvalid);
      return BitmapCheckCode::NotBitmap;
    case BitmapVerdict::NotRepairable:
      tell(MessageKind::Warning, messageInvalid);
      return BitmapCheckCode::Unchanged;
    case BitmapVerdict::Repairable:
      break;
  }
  tell(MessageKind::Warning, messageInvalid);
  if (!options.silentMode) {
    const Answer answer = prompter.show(MessageKind::Confirmation, catalogue::text(language, questionRepair),
                                        Buttons::YesNoCancel);
    if (answer == Answer::Cancel) return BitmapCheckCode::Cancelled;
    if (answer != Answer::Yes) return BitmapCheckCode::Unchanged;
  }
  return repairBitmapFile(path, options.autoBackup).code;
}

int bitmapResultMessage(BitmapCheckCode code) {
  switch (code) {
    case BitmapCheckCode::Unchanged:
      return 1106;
    case BitmapCheckCode::Repaired:
      return 1107;
    case BitmapCheckCode::RepairFailed:
      return 1108;
    case BitmapCheckCode::Cancelled:
      return 1109;
    case BitmapCheckCode::NotBitmap:
      return 1110;
  }
  return 1110;
}

}  // namespace orvane
