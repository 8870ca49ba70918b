#include "minicv/cv_load_commands.h"

#include <filesystem>
#include <system_error>

#include "catalogue/catalogue.h"
#include "text/file_path.h"
#include "text/utf8.h"

namespace orvane::minicv {

namespace {

constexpr int messageAlreadyLoaded = 121;
constexpr int messageNotFound = 147;
constexpr int messageSomeFailed = 148;
constexpr int messageKeepLoaded = 149;
constexpr int messageChooseNumber = 150;
constexpr int slotCount = 3;
// A held name must be longer than this to name a file with its extension.
constexpr int shortestHeldName = 5;

bool fileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(nativePath(path), error);
}

// Opens the dialog until an existing file is chosen; nothing when it is cancelled.
std::optional<std::string> chooseExistingFile(const CvSheet& sheet, const CvFileServices& services) {
  const Language language = sheet.state.language;
  FileDialogRequest request;
  request.filter = catalogue::text(language, cvFileFilterMessage);
  request.initialFolder = services.directories.directory(SettingKind::ParametersDirectory);
  request.defaultExtension = cvDefaultExtension;
  for (;;) {
    const std::optional<ChosenFile> chosen = services.dialogs.openFile(request);
    if (!chosen) return std::nullopt;
    if (fileExists(chosen->path)) return chosen->path;
    services.prompter.show(MessageKind::Error, catalogue::text(language, messageNotFound));
  }
}

}  // namespace

int compactLoadedFiles(CvSheet& sheet) {
  std::array<std::string, slotCount>& slots = sheet.state.loadedFiles;
  int held = 0;
  for (std::size_t slot = 0; slot < slots.size(); ++slot) {
    if (slots[slot].empty()) continue;
    if (slot != static_cast<std::size_t>(held))
      slots[static_cast<std::size_t>(held)] = std::move(slots[slot]);
    ++held;
  }
  for (std::size_t slot = static_cast<std::size_t>(held); slot < slots.size(); ++slot) slots[slot].clear();
  return held;
}

bool chooseCvFiles(CvSheet& sheet, CvFileSession& session, int count, const CvFileServices& services) {
  const Language language = sheet.state.language;
  std::array<std::string, slotCount>& slots = sheet.state.loadedFiles;
  const int held = compactLoadedFiles(sheet);
  int first = 0;
  int wanted = count;
  if (held > 0) {
    if (services.prompter.show(MessageKind::Confirmation, catalogue::text(language, messageKeepLoaded),
                               Buttons::YesNo) == Answer::Yes) {
      // With every slot taken the first one is chosen again.
      first = held % slotCount;
      if (count > slotCount - held) wanted = 1;
    } else {
      for (std::string& name : slots) name.clear();
      wanted = 1;
    }
  }
  if (sheet.state.cvLoaded &&
      services.prompter.show(MessageKind::Confirmation, catalogue::text(language, messageAlreadyLoaded),
                             Buttons::YesNo) != Answer::Yes)
    return false;

  for (int i = 0; i < wanted; ++i) {
    if (count >= 2)
      services.prompter.show(MessageKind::Information,
                             catalogue::text(language, messageChooseNumber) + std::to_string(wanted - i));
    const std::optional<std::string> path = chooseExistingFile(sheet, services);
    if (!path) return false;
    session.rememberedFile = *path;
    slots[static_cast<std::size_t>(first + i)] = *path;
  }
  return true;
}

int loadCvCommand(CvSheet& sheet, CvFileSession& session, int count, const CvFileServices& services) {
  compactLoadedFiles(sheet);
  if (!chooseCvFiles(sheet, session, count, services)) return 0;
  compactLoadedFiles(sheet);

  int loaded = 0;
  const auto loadOne = [&](const std::string& path, CvReportMode mode) {
    if (!loadCvFile(sheet, session, path, mode, services.read())) return;
    ++loaded;
    sheet.window().text = pathWithoutExtension(path);
  };
  if (count == 1) {
    // The file just chosen is the one loaded, whichever slot it went to.
    loadOne(session.rememberedFile, CvReportMode::Ask);
    session.loadedCount += loaded;
    return loaded;
  }
  for (const std::string& path : sheet.state.loadedFiles)
    if (utf8Length(path) >= shortestHeldName) loadOne(path, CvReportMode::Report);
  if (loaded < count)
    services.prompter.show(MessageKind::Warning, catalogue::text(sheet.state.language, messageSomeFailed));
  session.loadedCount = loaded;
  return loaded;
}

}  // namespace orvane::minicv
