#pragma once
// The one way a card file is opened, for the editor's start, its load command and the command-line
// tool: the file is read, the user is asked about each finding in order, and the load is completed
// in one place.

#include <string>

#include "card/card_model.h"
#include "cardfile/card_file_loader.h"
#include "render/renderer_state.h"
#include "richtext/companion_files.h"
#include "services/prompter.h"

namespace orvane {

/// Who opens the card file: the load of the file named on the command line leaves the format and
/// the layout snapshots as set up at start; the load command makes the file's layout the current
/// format's.
enum class CardFileRequest { AtStart, LoadCommand };

/// How the file is read (resolution, track bar top), and who opens it.
struct CardFileOpening : CardFileLoadOptions {
  CardFileRequest request = CardFileRequest::AtStart;
  Language language = Language::French;
  bool cardFileLoadedBefore = false;  // the load command then clears both frames' texts first
};

struct OpenedCardFile {
  bool loaded = false;            // read and applied
  bool decorationsNamed = false;  // a pattern or an icon is named: the card window repaints them
  bool patternNamed = false;      // T1 and T2 are usable, and took the file's transparency
  int transparency = 0;           // line 50 as the file holds it
};

/// Opens the card file at `path` into `card`: shows each finding of the reader through `prompter`,
/// stops on a refusal or an Abort with `card` untouched, then reads the frame texts through
/// `companions`, applies the values, gives the frames the stored transparency when a pattern is
/// named, and makes `pictures` (when given) read the icon and pattern again.
OpenedCardFile openCardFile(CardModel& card, const std::string& path, const CardFileOpening& opening,
                            CompanionFiles& companions, Prompter& prompter,
                            RendererState* pictures = nullptr);

}  // namespace orvane
