#pragma once
// `checkBitmap`: the size fields of one BMP file checked against its dimensions and, when the user
// agrees, rewritten, with an "old_" backup copy first.

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

#include "bitmap/bitmap_header.h"
#include "catalogue/language.h"
#include "services/prompter.h"

namespace orvane {

/// The result codes of a check, each with its own closing message for a single file.
enum class BitmapCheckCode { Unchanged = 0, Repaired = 1, RepairFailed = 9, Cancelled = 99, NotBitmap = 199 };

/// The two options of the "test bitmap" menu; they last for the run.
struct BitmapCheckOptions {
  bool autoBackup = true;   // "sauvegarde auto": a repair first copies the file to its backup
  bool silentMode = false;  // "mode silencieux": no per-file message or question, every invalid file repaired
};

/// A file that cannot be opened for reading and writing: reported as any error a handler meets.
class BitmapFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// The assessment of the file at `path` (UTF-8) from its first bytes, reading nothing else; nothing
/// when the file cannot be read.
std::optional<BitmapAssessment> inspectBitmapFile(const std::string& path);
/// The same for a path of this system, as a folder listing gives it.
std::optional<BitmapAssessment> inspectBitmapFile(const std::filesystem::path& path);

/// The file's directory + "old_" + its name.
std::string bitmapBackupPath(const std::string& path);

struct BitmapRepair {
  BitmapCheckCode code = BitmapCheckCode::RepairFailed;  // Repaired or RepairFailed
  std::optional<std::string> backup;                     // the backup made, if any
};

/// Sets both size fields of the file at `path` from its dimensions, after a backup copy when
/// `backup` says so. The new content is written complete beside the file and renamed over it, keeping
/// its permissions, so that a failure leaves the file as it was. A file that turns out not to be
/// repairable when read again, or that is write-protected, is not written.
BitmapRepair repairBitmapFile(const std::string& path, bool backup);

/// Checks the file at `path` as the "test bitmap" commands do: messages and question unless in silent
/// mode, then the repair. Throws BitmapFileError when the file cannot be opened for reading and writing.
BitmapCheckCode checkBitmap(const std::string& path, const BitmapCheckOptions& options, Prompter& prompter,
                            Language language);

/// The closing message of a single-file check for `code`.
int bitmapResultMessage(BitmapCheckCode code);

}  // namespace orvane
