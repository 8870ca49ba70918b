#include "minicv/change_tracking.h"

#include "catalogue/catalogue.h"
#include "minicv/cv_sheet.h"
#include "minicv/editor_menus.h"
#include "minicv/element_table.h"

namespace orvane::minicv {

ElementChanges compareWithFile(std::span<const int> elemstat, std::string_view fileState) {
  ElementChanges changes;
  for (std::size_t element = 0; element < elemstat.size(); ++element) {
    const bool same = element < fileState.size() && fileState[element] - '0' == elemstat[element];
    if (same) continue;
    if (changes.count++ == 0) changes.first = static_cast<int>(element);
  }
  return changes;
}

TrackingOutcome trackChanges(const ElementChanges& changes, TrackingCause cause, bool verbose,
                             Language language, const std::function<std::string(int)>& caption) {
  TrackingOutcome outcome;
  outcome.savingAllowed = changes.count > 0;
  if (!verbose) return outcome;
  if (changes.count == 0) {
    if (cause == TrackingCause::SynchronisationItem) outcome.message = catalogue::text(language, 162);
  } else if (changes.count == 1) {
    outcome.message =
        catalogue::text(language, 161) + " " + std::to_string(changes.first) + " " + caption(changes.first);
  } else {
    outcome.message = catalogue::text(language, 160) + " " + std::to_string(changes.count);
  }
  return outcome;
}

int changedElements(const CvSheet& sheet) {
  if (!sheet.state.cvLoaded) return 0;
  return compareWithFile(sheet.state.elemstat, sheet.state.fileElemstat).count;
}

void synchronise(CvSheet& sheet, TrackingCause cause, Prompter& prompter) {
  if (!sheet.state.cvLoaded) return;
  const Language language = sheet.state.language;
  const TrackingOutcome outcome = trackChanges(
      compareWithFile(sheet.state.elemstat, sheet.state.fileElemstat), cause, sheet.state.verbose, language,
      [language](int element) {
        return catalogue::text(language, elementTable()[static_cast<std::size_t>(element)].captionId);
      });
  if (outcome.message) prompter.show(MessageKind::Information, *outcome.message);
  sheet.setSavingAllowed(outcome.savingAllowed);
}

std::string toggleVerboseMode(CvSheet& sheet) {
  sheet.state.verbose = !sheet.state.verbose;
  return verboseModeCaption(sheet.state.verbose, sheet.state.language);
}

}  // namespace orvane::minicv
