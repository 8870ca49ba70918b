#include "cli/loaded_card.h"

#include "text/file_path.h"

namespace orvane::cli {

LoadedCard::LoadedCard() {
  setupStartCard(card, screenResolution);
  companions.workingCopyFolder = utf8Path(workingCopies_.path());
}

std::optional<std::string> LoadedCard::load(const std::string& path) {
  if (workingCopies_.path().empty()) return "no temporary folder for the working copies of the frame texts";
  CardFileOpening opening;
  opening.screenResolution = screenResolution;
  opening.language = language;
  result = openCardFile(card, path, opening, companions, prompter);
  if (result.loaded) return std::nullopt;
  return prompter.shown.empty() ? path + ": not loaded" : prompter.shown.back().text;
}

}  // namespace orvane::cli
