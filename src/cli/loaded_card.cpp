#include "cli/loaded_card.h"

#include <random>

#include "text/file_path.h"

namespace orvane::cli {

namespace {

// The working copies of the frame texts are made here rather than in the caller's folder.
std::filesystem::path freshFolder() {
  const auto folder =
      std::filesystem::temp_directory_path() / ("orvane-cli-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(folder);
  return folder;
}

}  // namespace

LoadedCard::LoadedCard() : workingCopies_(freshFolder()) {
  setupStartCard(card, screenResolution);
  companions.workingCopyFolder = utf8Path(workingCopies_);
}

LoadedCard::~LoadedCard() {
  companions.deleteWorkingCopies();
  std::error_code ignored;
  std::filesystem::remove_all(workingCopies_, ignored);
}

std::optional<std::string> LoadedCard::load(const std::string& path) {
  CardFileLoadOptions options;
  options.screenResolution = screenResolution;
  options.language = language;
  result = loadCardFile(card, path, options, companions, prompter);
  if (result.loaded) return std::nullopt;
  if (!result.error.empty()) return result.error;
  return prompter.shown.empty() ? path + ": not loaded" : prompter.shown.back().text;
}

}  // namespace orvane::cli
