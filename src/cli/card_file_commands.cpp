// card-dump and card-save: the card parameter file through the editor's own loader and writer.
#include <filesystem>
#include <iostream>
#include <random>

#include "card/card_model.h"
#include "cardfile/card_file_loader.h"
#include "cardfile/card_file_writer.h"
#include "cardfile/frame_text_file.h"
#include "cardfile/save_name.h"
#include "cli/card_json.h"
#include "cli/commands.h"
#include "services/scripted_services.h"
#include "text/file_path.h"

namespace orvane::cli {

namespace {

// The resolution the commands load and save at, that of a common screen.
constexpr int screenResolution = 96;

// A card loaded from a file with every question answered by its first button, as a script would.
class LoadedCard {
 public:
  LoadedCard() : workingCopies_(freshFolder()) {
    setupStartCard(card, screenResolution);
    companions.workingCopyFolder = utf8Path(workingCopies_);
  }
  ~LoadedCard() {
    companions.deleteWorkingCopies();
    std::error_code ignored;
    std::filesystem::remove_all(workingCopies_, ignored);
  }
  LoadedCard(const LoadedCard&) = delete;
  LoadedCard& operator=(const LoadedCard&) = delete;

  /// Loads `path`; the reason when it could not be loaded.
  std::optional<std::string> load(const std::string& path) {
    CardFileLoadOptions options;
    options.screenResolution = screenResolution;
    options.language = language;
    result = loadCardFile(card, path, options, companions, prompter);
    if (result.loaded) return std::nullopt;
    if (!result.error.empty()) return result.error;
    return prompter.shown.empty() ? path + ": not loaded" : prompter.shown.back().text;
  }

  const std::string language = "fr";
  CardModel card;
  ScriptedPrompter prompter;
  CompanionFiles companions{prompter, language};
  CardFileLoadResult result;

 private:
  // The working copies of the frame texts are made here rather than in the caller's folder.
  static std::filesystem::path freshFolder() {
    const auto folder =
        std::filesystem::temp_directory_path() / ("orvane-cli-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder);
    return folder;
  }

  std::filesystem::path workingCopies_;
};

}  // namespace

int cardDumpCommand(const Arguments& args) {
  if (args.size() != 1) return usageError("usage: orvane-cli card-dump FILE.ov1");
  LoadedCard loaded;
  if (const auto failure = loaded.load(args[0])) return usageError(*failure);

  JsonWriter json;
  json.beginObject();
  writeCardMembers(json, loaded.card);
  json.field("transparency", loaded.result.transparency);
  json.key("messages");
  json.beginArray();
  for (const std::string& message : loaded.prompter.texts()) json.value(message);
  json.endArray();
  json.endObject();
  std::cout << json.text() << '\n';
  return 0;
}

int cardSaveCommand(const Arguments& args) {
  if (args.size() != 2) return usageError("usage: orvane-cli card-save IN.ov1 OUT.ov1");
  LoadedCard loaded;
  if (const auto failure = loaded.load(args[0])) return usageError(*failure);
  // The frames keep the transparency the file records, as they do in the editor over a pattern.
  applyStoredTransparency(loaded.card, loaded.result.transparency);

  const std::string& target = args[1];
  const std::string base = companionBaseOf(target);
  if (const FileStatus written = writeCardFile(loaded.card, target, base, screenResolution); !written.ok())
    return usageError(written.error);
  std::error_code error;
  if (std::filesystem::is_directory(nativePath(target).parent_path() / elementFolder, error))
    saveFrameTexts(loaded.card, target, base, loaded.companions, loaded.language, loaded.prompter);
  for (const std::string& message : loaded.prompter.texts()) std::cerr << "orvane-cli: " << message << '\n';
  return 0;
}

}  // namespace orvane::cli
