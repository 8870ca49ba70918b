#pragma once
// Change tracking: what differs from the CV's file since it was loaded or saved (the optional
// elements, and everything else a save writes: fields, zones, fonts, titles), and what the editor says
// about it. Saving is allowed only while something differs.

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

/// What change tracking tells of `changes` in an information box, only in verbose mode; `caption`
/// gives an element's caption by its number.
std::optional<std::string> trackingMessage(const ElementChanges& changes, TrackingCause cause, bool verbose,
                                           Language language, const std::function<std::string(int)>& caption);

class CvSheet;
struct CvFileContent;

/// What a save of `sheet` would write now.
CvFileContent fileContentOf(const CvSheet& sheet);

/// The sheet was just saved: its elements and content are its file's from now on.
void markSaved(CvSheet& sheet);

/// Whether the sheet holds changes its file does not; false while it was neither loaded nor saved.
bool hasUnsavedChanges(const CvSheet& sheet);

/// After an edit (a field, a zone, a font, a title...), once the sheet has a file: saving is allowed
/// exactly while something differs from it.
void trackEdits(CvSheet& sheet);

/// Change tracking after an element switch or on the "synchronisation" item, once the sheet has a
/// file: the verbose message about the elements, then saving allowed or not.
void synchronise(CvSheet& sheet, TrackingCause cause, Prompter& prompter);

/// "mode verbeux": switches verbose mode and returns the item's new caption.
std::string toggleVerboseMode(CvSheet& sheet);

}  // namespace orvane::minicv
