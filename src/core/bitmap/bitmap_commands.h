#pragma once
// The "test bitmap" commands: "fichier unique" checks one chosen file, "groupe de fichiers" every BMP
// file of the directory the chooser showed.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "bitmap/bitmap_check.h"
#include "services/file_dialogs.h"
#include "services/progress.h"

namespace orvane {

/// The directory the chooser showed when it closed and the names of the files it listed there.
struct DirectoryListing {
  std::string directory;
  std::vector<std::string> fileNames;
};

/// A group of more bitmaps than this shows its progress, and can be stopped from there.
inline constexpr std::size_t bitmapProgressShownAbove = 300;

struct BitmapGroupSummary {
  int repaired = 0;
  int unchanged = 0;
  int anomalies = 0;
};

/// Whether `name` ends in ".bmp", in any case.
bool isBitmapFileName(std::string_view name);

/// The files of `folder` (not its sub-folders) whose names end in ".bmp", in any case, in the order of
/// their names.
std::vector<std::filesystem::path> bitmapFilesIn(const std::filesystem::path& folder);

/// `fichierunique1Click`: asks for a file, checks it and shows the message of its result, also in
/// silent mode. Nothing happens when the dialog is cancelled.
void checkOneBitmapFile(FileDialogs& dialogs, const BitmapCheckOptions& options, Prompter& prompter,
                        Language language);

/// `groupedefichiers1Click` once the chooser has closed: checks every BMP file of `listing` in its
/// order and shows the summary. A Yes to the global confirmation switches `options.silentMode` on for
/// good. Cancel, to a question or in `progress`, stops the run; the summary counts the files done
/// before. Throws BitmapFileError, without a summary, when a file cannot be opened.
BitmapGroupSummary checkBitmapGroup(const DirectoryListing& listing, BitmapCheckOptions& options,
                                    Prompter& prompter, Language language, Progress* progress);

}  // namespace orvane
