#pragma once
// Change tracking: which optional elements differ from the state the loaded CV file gave them, and
// what the editor says about it. Saving is allowed only while something differs.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "catalogue/language.h"
#include "services/prompter.h"

namespace orvane::minicv {

struct ElementChanges {
  int count = 0;
  int first = -1;  // the number of the first element that differs, -1 when none does
};

/// Compares each element's state with its digit in `fileState`; a missing digit differs.
ElementChanges compareWithFile(std::span<const int> elemstat, std::string_view fileState);

/// Why change tracking runs: after an element switch, or on the "synchronisation" test item.
enum class TrackingCause { ElementSwitch, SynchronisationItem };

/// What change tracking shows (only in verbose mode) and whether saving is allowed afterwards.
struct TrackingOutcome {
  std::optional<std::string> message;  // an information box
  bool savingAllowed = false;
};

/// The outcome for `changes`; `caption` gives an element's caption by its number.
TrackingOutcome trackChanges(const ElementChanges& changes, TrackingCause cause, bool verbose,
                             Language language, const std::function<std::string(int)>& caption);

class CvSheet;

/// The number of elements that differ from the loaded file; 0 while no CV was loaded from a file.
int changedElements(const CvSheet& sheet);

/// Change tracking on the sheet, once a CV was loaded from a file: the verbose message, then saving
/// allowed or not.
void synchronise(CvSheet& sheet, TrackingCause cause, Prompter& prompter);

/// "mode verbeux": switches verbose mode and returns the item's new caption.
std::string toggleVerboseMode(CvSheet& sheet);

}  // namespace orvane::minicv
