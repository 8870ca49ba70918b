#pragma once
// A card loaded from a card file the way a script needs it: every question of the loader answered by
// its first button, the frame texts' working copies kept in a folder of their own.

#include <optional>
#include <string>

#include "card/card_model.h"
#include "richtext/companion_files.h"
#include "services/non_interactive_prompter.h"
#include "shell/open_card_file.h"
#include "text/scratch_folder.h"

namespace orvane::cli {

// The resolution the commands load, save and draw at, that of a common screen.
inline constexpr int screenResolution = 96;

class LoadedCard {
 public:
  LoadedCard();

  /// Opens `path` as the editor does; the message that refused it when it could not be loaded.
  std::optional<std::string> load(const std::string& path);

  const Language language = Language::French;
  CardModel card;
  NonInteractivePrompter prompter;
  CompanionFiles companions{prompter, language};
  OpenedCardFile result;

 private:
  // The working copies of the frame texts are made here rather than in the caller's folder.
  ScratchFolder workingCopies_{"orvane-cli-"};
};

}  // namespace orvane::cli
