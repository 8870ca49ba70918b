// cv-dump and cv-save: a mini-CV file loaded as the editor loads it, printed as JSON or saved again
// under another name.
#include <iostream>

#include "cardfile/save_name.h"
#include "cli/command_table.h"
#include "cli/cv_layout_json.h"
#include "cli/json_writer.h"
#include "cli/loaded_cv.h"
#include "minicv/cv_file_lines.h"
#include "minicv/cv_file_save.h"
#include "minicv/zone_layout.h"
#include "text/file_path.h"
#include "text/line_file.h"

namespace orvane::cli {

namespace {

void writeMessages(JsonWriter& json, const NonInteractivePrompter& prompter) {
  json.key("messages");
  json.beginArray();
  for (const std::string& message : prompter.texts()) json.value(message);
  json.endArray();
}

// Lines 1 to 35 as the file holds them, by number; null for a line that was missing or had no colon.
void writeFields(JsonWriter& json, const minicv::CvFileLines& lines) {
  json.key("fields");
  json.beginObject();
  for (int line = 1; line < minicv::cvLineCount; ++line) {
    json.key(std::to_string(line));
    if (const auto& value = lines.values[static_cast<std::size_t>(line)])
      json.value(*value);
    else
      json.null();
  }
  json.endObject();
}

}  // namespace

int cvDumpCommand(const Arguments& args) {
  if (args.size() != 1) return usageError(usageLine("cv-dump"));
  const std::optional<std::vector<std::string>> fileLines = readLines(nativePath(args[0]));
  if (!fileLines) return usageError(args[0] + ": cannot be read");
  return withScreenServices([&](const ScreenServices& screen) {
    LoadedCv loaded(screen);
    if (const auto failure = loaded.load(args[0])) return usageError(*failure);
    JsonWriter json;
    json.beginObject();
    writeCvLayoutMembers(json, loaded.sheet);
    writeFields(json, minicv::parseCvFileLines(*fileLines));
    json.key("zones");
    json.beginArray();
    for (int zone = 1; zone <= minicv::zoneCount; ++zone)
      json.value(loaded.sheet[minicv::zoneNames(zone).text].richText.plainText());
    json.endArray();
    writeMessages(json, loaded.prompter);
    json.endObject();
    std::cout << json.text() << '\n';
    return 0;
  });
}

int cvSaveCommand(const Arguments& args) {
  if (args.size() != 2) return usageError(usageLine("cv-save"));
  return withScreenServices([&](const ScreenServices& screen) {
    LoadedCv loaded(screen);
    if (const auto failure = loaded.load(args[0])) return usageError(*failure);
    const std::string& target = args[1];
    loaded.prompter.shown.clear();
    if (!minicv::writeCvFile(loaded.sheet, target, companionBaseOf(target), loaded.companions,
                             loaded.prompter))
      return usageError(loaded.prompter.shown.empty() ? target + ": not written"
                                                      : loaded.prompter.shown.back().text);
    for (const std::string& message : loaded.prompter.texts()) printNote(message);
    return 0;
  });
}

}  // namespace orvane::cli
