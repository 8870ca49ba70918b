#pragma once
// Reading the card parameter file back into the card model. Values are taken by position, after the
// first ":" of each line; lengths are rescaled from the resolution the file was saved at.

#include <optional>
#include <string>

#include "card/card_model.h"
#include "richtext/companion_files.h"
#include "services/prompter.h"

namespace orvane {

struct CardFileLoadOptions {
  int screenResolution = 96;
  std::optional<int> trackBarTop;  // card top set with the vertical track bar in this run, if any
  Language language = Language::French;
};

struct CardFileLoadResult {
  bool loaded = false;            // read and applied: something has been loaded
  std::string error;              // why the file could not be read at all; no message box was shown for it
  int transparency = 0;           // line 50, for the T1 and T2 check boxes
  bool decorationsNamed = false;  // a pattern or an icon is named: the card window repaints them
};

/// Loads the card file at `path` into `card`, frame texts included, asking through `prompter` about
/// lines without ":"; an Abort there leaves `card` untouched. Relative frame text paths are taken
/// from the folder of the card file, and the frames record the full paths.
CardFileLoadResult loadCardFile(CardModel& card, const std::string& path, const CardFileLoadOptions& options,
                                CompanionFiles& companions, Prompter& prompter);

/// Sets the frames' transparency from a line 50 value: 1 frame 1, 2 frame 2, 3 both, 0 neither; any
/// other value changes nothing.
void applyStoredTransparency(CardModel& card, int transparency);

}  // namespace orvane
