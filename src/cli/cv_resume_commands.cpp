// cv-to-json and cv-from-json: a mini-CV as a JSON Resume document and a document as a new mini-CV,
// each printing what the other side has no place for.
#include <iostream>

#include "cardfile/save_name.h"
#include "cli/command_table.h"
#include "cli/loaded_cv.h"
#include "cli/resume_json.h"
#include "minicv/cv_file_save.h"
#include "minicv/resume_mapping.h"
#include "text/file_path.h"
#include "text/line_file.h"

namespace orvane::cli {

namespace {

// A text that is not valid UTF-8 (a zone's stray character) is written with U+FFFD in its place
// rather than end the command.
std::string jsonText(const nlohmann::ordered_json& value, int indent = -1) {
  return value.dump(indent, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

void printDropped(const std::vector<std::string>& dropped) {
  std::cout << jsonText({{"dropped", dropped}}) << '\n';
}

}  // namespace

int cvToJsonCommand(const Arguments& args) {
  if (args.size() != 2) return usageError(usageLine("cv-to-json"));
  if (const auto problem = outputOverInput(args[0], args[1])) return usageError(*problem);
  return withScreenServices([&](const ScreenServices& screen) {
    LoadedCv loaded(screen);
    if (const auto failure = loaded.load(args[0])) return usageError(*failure);
    for (const std::string& message : loaded.prompter.texts()) printNote(message);
    const minicv::SheetResume exported = minicv::resumeOfSheet(loaded.sheet);
    const FileStatus written =
        writeFileReplacing(nativePath(args[1]), jsonText(resumeDocument(exported.resume), 2) + "\n");
    if (!written.ok()) return usageError(written.error);
    printDropped(exported.dropped);
    return 0;
  });
}

int cvFromJsonCommand(const Arguments& args) {
  if (args.size() != 2) return usageError(usageLine("cv-from-json"));
  if (const auto problem = outputOverInput(args[0], args[1])) return usageError(*problem);
  const std::optional<std::string> bytes = readFileBytes(nativePath(args[0]));
  if (!bytes) return usageError(args[0] + ": cannot be read");
  const nlohmann::json document = nlohmann::json::parse(*bytes, nullptr, false);
  if (document.is_discarded()) return usageError(args[0] + ": is not JSON");
  if (!document.is_object()) return usageError(args[0] + ": is not a JSON object");
  return withScreenServices([&](const ScreenServices& screen) {
    LoadedCv cv(screen);
    std::vector<std::string> dropped;
    const minicv::Resume resume = resumeOfDocument(document, dropped);
    const std::vector<std::string> notHeld = minicv::putResumeOnSheet(cv.sheet, resume);
    dropped.insert(dropped.end(), notHeld.begin(), notHeld.end());
    const std::string& target = args[1];
    if (!minicv::writeCvFile(cv.sheet, target, companionBaseOf(target), cv.companions, cv.prompter))
      return usageError(cv.prompter.shown.empty() ? target + ": not written" : cv.prompter.shown.back().text);
    printDropped(dropped);
    return 0;
  });
}

}  // namespace orvane::cli
