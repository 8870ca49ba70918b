#include "bitmap/bitmap_commands.h"

#include <algorithm>
#include <optional>

#include "catalogue/catalogue.h"
#include "text/file_path.h"

namespace orvane {

namespace {

constexpr std::string_view bitmapFilter = "Bitmap files (*.bmp)|*.BMP";
constexpr int messageWaitFor = 1127;
constexpr int messageFiles = 1128;
constexpr int questionFileCount = 1129;
constexpr int questionConfirmAll = 1130;
constexpr int summaryDone = 1111;
constexpr int summaryRepairedOf = 1112;
constexpr int summaryValid = 1113;
constexpr int summaryAnomalies = 1114;
constexpr std::string_view lineEnd = "\r\n";

// Over the system's own path text, which is not of char everywhere.
template <typename Char>
bool endsWithBitmapExtension(std::basic_string_view<Char> name) {
  constexpr std::string_view extension = ".bmp";
  if (name.size() < extension.size()) return false;
  return std::ranges::equal(name.substr(name.size() - extension.size()), extension,
                            [](Char a, char b) { return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b; });
}

}  // namespace

bool isBitmapFileName(std::string_view name) { return endsWithBitmapExtension(name); }

std::vector<std::filesystem::path> bitmapFilesIn(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(folder)) {
    const std::filesystem::path& path = entry.path();
    std::error_code error;
    // The listing tells most entries' type without asking the file system again.
    if (endsWithBitmapExtension(std::basic_string_view<std::filesystem::path::value_type>(path.native())) &&
        entry.is_regular_file(error))
      files.push_back(path);
  }
  // Compared as whole texts: comparing paths part by part costs more than the rest of the listing.
  std::ranges::sort(
      files, {}, [](const std::filesystem::path& path) -> const auto& { return path.native(); });
  return files;
}

void checkOneBitmapFile(FileDialogs& dialogs, const BitmapCheckOptions& options, Prompter& prompter,
                        Language language) {
  FileDialogRequest request;
  request.filter = bitmapFilter;
  const std::optional<ChosenFile> chosen = dialogs.openFile(request);
  if (!chosen) return;
  const BitmapCheckCode code = checkBitmap(chosen->path, options, prompter, language);
  prompter.show(MessageKind::Information, catalogue::text(language, bitmapResultMessage(code)));
}

BitmapGroupSummary checkBitmapGroup(const DirectoryListing& listing, BitmapCheckOptions& options,
                                    Prompter& prompter, Language language, Progress* progress) {
  auto text = [language](int id) { return catalogue::text(language, id); };
  const std::string count = std::to_string(listing.fileNames.size());
  if (listing.fileNames.size() > 2 && !options.silentMode) {
    const Answer answer =
        prompter.show(MessageKind::Confirmation, text(questionFileCount) + count + text(questionConfirmAll),
                      Buttons::YesNo);
    if (answer == Answer::Yes) options.silentMode = true;
  }
  prompter.show(MessageKind::Confirmation, text(messageWaitFor) + count + text(messageFiles), Buttons::Ok);

  const auto bitmaps = static_cast<std::size_t>(std::ranges::count_if(listing.fileNames, isBitmapFileName));
  if (bitmaps <= bitmapProgressShownAbove) progress = nullptr;
  BitmapGroupSummary summary;
  std::size_t done = 0;
  if (!progress || progress->advance(done, bitmaps)) {
    const std::filesystem::path directory = nativePath(listing.directory);
    for (const std::string& name : listing.fileNames) {
      if (!isBitmapFileName(name)) continue;
      const BitmapCheckCode code =
          checkBitmap(utf8Path(directory / nativePath(name)), options, prompter, language);
      if (code == BitmapCheckCode::Cancelled) break;
      if (code == BitmapCheckCode::Repaired)
        ++summary.repaired;
      else if (code == BitmapCheckCode::Unchanged)
        ++summary.unchanged;
      else
        ++summary.anomalies;
      // Stopping from the progress dialog is a Cancel to the file after this one.
      if (progress && !progress->advance(++done, bitmaps)) break;
    }
  }
  prompter.show(MessageKind::Information,
                text(summaryDone) + std::string(lineEnd) + std::to_string(summary.repaired) +
                    text(summaryRepairedOf) + std::to_string(summary.repaired + summary.unchanged) +
                    std::string(lineEnd) + text(summaryValid) + std::to_string(summary.unchanged) +
                    std::string(lineEnd) + text(summaryAnomalies) + std::to_string(summary.anomalies));
  return summary;
}

}  // namespace orvane
