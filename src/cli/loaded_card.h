#pragma once
// A card loaded from a card file the way a script needs it: every question of the loader answered by
// its first button, the frame texts' working copies kept in a folder of their own.

#include <filesystem>
#include <optional>
#include <string>

#include "card/card_model.h"
#include "cardfile/card_file_loader.h"
#include "richtext/companion_files.h"
#include "services/scripted_services.h"

namespace orvane::cli {

// The resolution the commands load, save and draw at, that of a common screen.
inline constexpr int screenResolution = 96;

class LoadedCard {
 public:
  LoadedCard();
  ~LoadedCard();
  LoadedCard(const LoadedCard&) = delete;
  LoadedCard& operator=(const LoadedCard&) = delete;

  /// Loads `path`; the reason when it could not be loaded.
  std::optional<std::string> load(const std::string& path);

  const std::string language = "fr";
  CardModel card;
  ScriptedPrompter prompter;
  CompanionFiles companions{prompter, language};
  CardFileLoadResult result;

 private:
  std::filesystem::path workingCopies_;
};

}  // namespace orvane::cli
