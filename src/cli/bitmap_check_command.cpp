// orvane-cli bmp-check [--repair] [--no-backup] PATH...: checks the size fields of BMP files, and
// repairs them on request, printing one JSON object per file and line.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "bitmap/bitmap_check.h"
#include "bitmap/bitmap_commands.h"
#include "cli/command_table.h"
#include "cli/json_writer.h"
#include "text/file_path.h"

namespace orvane::cli {
namespace {

namespace fs = std::filesystem;

// Output goes out in blocks of this size: a line per file written on its own would cost a system
// call per file.
constexpr std::size_t outputBlock = 1 << 16;
// A run over this many files tells how far it has gone, when someone watches the terminal.
constexpr std::size_t progressShownFrom = 1000;
constexpr std::size_t progressEvery = 500;

struct Options {
  bool repair = false;
  bool backup = true;
  std::vector<std::string> paths;
};

// The files to check: a file named as it is, a folder's bitmap files.
std::vector<fs::path> filesToCheck(const std::vector<std::string>& paths) {
  std::vector<fs::path> files;
  for (const std::string& named : paths) {
    const fs::path path = nativePath(named);
    if (!fs::is_directory(path)) {
      files.push_back(path);
      continue;
    }
    const std::vector<fs::path> inFolder = bitmapFilesIn(path);
    files.insert(files.end(), inFolder.begin(), inFolder.end());
  }
  return files;
}

template <typename Number>
Json orNull(const std::optional<Number>& number) {
  return number ? Json(*number) : Json();
}

struct FileResult {
  BitmapCheckCode code = BitmapCheckCode::Unchanged;
  std::optional<BitmapAssessment> assessment;
  std::optional<std::string> backup;
};

FileResult checkFile(const fs::path& path, const Options& options) {
  FileResult result;
  result.assessment = inspectBitmapFile(path);
  if (!result.assessment) {
    result.code = BitmapCheckCode::NotBitmap;
    return result;
  }
  switch (result.assessment->verdict) {
    case BitmapVerdict::NotBitmap:
    case BitmapVerdict::Corrupt:
      result.code = BitmapCheckCode::NotBitmap;
      break;
    case BitmapVerdict::Repairable:
      if (options.repair) {
        const BitmapRepair repair = repairBitmapFile(utf8Path(path), options.backup);
        result.code = repair.code;
        result.backup = repair.backup;
      }
      break;
    case BitmapVerdict::Valid:
    case BitmapVerdict::NotRepairable:
      break;
  }
  return result;
}

// The line of one file; its members keep their order.
Json lineOf(const fs::path& path, const FileResult& result) {
  const BitmapAssessment* assessment = result.assessment ? &*result.assessment : nullptr;
  const BitmapAssessment none;
  const BitmapAssessment& fields = assessment ? *assessment : none;
  Json line = Json::object();
  line.get_ref<Json::object_t&>().reserve(9);  // its nine members, without growing step by step
  line["path"] = utf8Path(path);
  line["code"] = static_cast<int>(result.code);
  line["valid"] = assessment && assessment->verdict == BitmapVerdict::Valid;
  const std::string_view reason = assessment ? assessment->reason : "cannot be read";
  line["reason"] = reason.empty() ? Json() : Json(reason);
  line["fileSize"] = orNull(fields.fileSizeField);
  line["imageSize"] = orNull(fields.imageSizeField);
  line["expectedFileSize"] = orNull(fields.expectedFileSize);
  line["expectedImageSize"] = orNull(fields.expectedImageSize);
  line["backup"] = orNull(result.backup);
  return line;
}

void flush(std::string& out) {
  std::fwrite(out.data(), 1, out.size(), stdout);
  out.clear();
}

}  // namespace

int bmpCheckCommand(const Arguments& args) {
  Options options;
  for (const std::string& arg : args) {
    if (arg == "--repair")
      options.repair = true;
    else if (arg == "--no-backup")
      options.backup = false;
    else if (arg.starts_with("--"))
      return usageError("bmp-check: unknown option: " + arg);
    else
      options.paths.push_back(arg);
  }
  if (options.paths.empty()) return usageError(usageLine("bmp-check"));
  for (const std::string& path : options.paths) {
    if (!fs::exists(nativePath(path))) return usageError("bmp-check: no such file or folder: " + path);
  }

  const std::vector<fs::path> files = filesToCheck(options.paths);
  const bool showProgress = files.size() >= progressShownFrom && isatty(STDERR_FILENO);
  std::string out;
  out.reserve(outputBlock + 1024);
  bool repairFailed = false;
  for (std::size_t index = 0; index < files.size(); ++index) {
    const FileResult result = checkFile(files[index], options);
    repairFailed = repairFailed || result.code == BitmapCheckCode::RepairFailed;
    appendJsonLine(out, lineOf(files[index], result));
    out += '\n';
    if (out.size() >= outputBlock) flush(out);
    if (showProgress && (index + 1) % progressEvery == 0)
      std::fprintf(stderr, "\rbmp-check: %zu of %zu files", index + 1, files.size());
  }
  flush(out);
  if (showProgress) std::fprintf(stderr, "\rbmp-check: %zu of %zu files\n", files.size(), files.size());
  // A script must learn that a file it asked to repair is still broken, not only read it in the lines.
  return repairFailed ? 1 : 0;
}

}  // namespace orvane::cli
