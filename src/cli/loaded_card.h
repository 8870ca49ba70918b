#pragma once
// A card loaded from a card file the way a script needs it: every question of the loader answered by
// its first button, the frame texts' working copies kept in a folder of their own.

#include <optional>
#include <string>

#include "card/card_model.h"
#include "cli/json_writer.h"
#include "richtext/companion_files.h"
#include "services/non_interactive_prompter.h"
#include "shell/open_card_file.h"
#include "text/scratch_folder.h"

namespace orvane::cli {

// The resolution the commands load, save and draw at, that of a common screen.
inline constexpr int screenResolution = 96;

class LoadedCard {
 public:
  explicit LoadedCard(Language language = Language::French);

  /// Opens `path` as the editor does at start, or as its load command does; the message that refused
  /// it when it could not be loaded.
  std::optional<std::string> load(const std::string& path,
                                  CardFileRequest request = CardFileRequest::AtStart);

  const Language language;
  CardModel card;
  NonInteractivePrompter prompter;
  CompanionFiles companions{prompter, language};
  OpenedCardFile result;

 private:
  // The working copies of the frame texts are made here rather than in the caller's folder.
  ScratchFolder workingCopies_{"orvane-cli-"};
};

/// The card as card-dump prints it: its parameters, the stored transparency and the messages shown.
void writeCardDump(JsonWriter& json, const LoadedCard& loaded);

}  // namespace orvane::cli
