#include "cli/loaded_card.h"

#include "cli/card_json.h"
#include "text/file_path.h"

namespace orvane::cli {

LoadedCard::LoadedCard(Language interfaceLanguage) : language(interfaceLanguage) {
  setupStartCard(card, screenResolution);
  companions.workingCopyFolder = utf8Path(workingCopies_.path());
}

std::optional<std::string> LoadedCard::load(const std::string& path, CardFileRequest request) {
  if (workingCopies_.path().empty()) return "no temporary folder for the working copies of the frame texts";
  CardFileOpening opening;
  opening.screenResolution = screenResolution;
  opening.language = language;
  opening.request = request;
  result = openCardFile(card, path, opening, companions, prompter);
  if (result.loaded) return std::nullopt;
  return prompter.shown.empty() ? path + ": not loaded" : prompter.shown.back().text;
}

void writeCardDump(JsonWriter& json, const LoadedCard& loaded) {
  json.beginObject();
  writeCardMembers(json, loaded.card);
  json.field("transparency", loaded.result.transparency);
  json.key("messages");
  json.beginArray();
  for (const std::string& message : loaded.prompter.texts()) json.value(message);
  json.endArray();
  json.endObject();
}

}  // namespace orvane::cli
