#include "cli/loaded_card.h"

#include <random>

#include "text/file_path.h"

namespace orvane::cli {

namespace {

// The working copies of the frame texts are made here rather than in the caller's folder; an empty
// path when no such folder could be made. A folder that exists already belongs to someone else.
std::filesystem::path freshFolder() {
  std::error_code error;
  const auto temporary = std::filesystem::temp_directory_path(error);
  if (error) return {};
  const auto folder = temporary / ("orvane-cli-" + std::to_string(std::random_device{}()));
  if (!std::filesystem::create_directory(folder, error)) return {};
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
  if (!workingCopies_.empty()) std::filesystem::remove_all(workingCopies_, ignored);
}

std::optional<std::string> LoadedCard::load(const std::string& path) {
  if (workingCopies_.empty()) return "no temporary folder for the working copies of the frame texts";
  CardFileLoadOptions options;
  options.screenResolution = screenResolution;
  options.language = language;
  result = loadCardFile(card, path, options, companions, prompter);
  if (result.loaded) return std::nullopt;
  if (!result.error.empty()) return result.error;
  return prompter.shown.empty() ? path + ": not loaded" : prompter.shown.back().text;
}

}  // namespace orvane::cli
