#include "minicv/change_tracking.h"

#include "catalogue/catalogue.h"
#include "minicv/cv_file_save.h"
#include "minicv/cv_sheet.h"
#include "minicv/editor_menus.h"
#include "minicv/element_table.h"
#include "minicv/zone_layout.h"

namespace orvane::minicv {

namespace {

// The zone files' names follow the name saved under, which is no change of the CV.
constexpr std::string_view anyCompanionBase = "";

}  // namespace

ElementChanges compareWithFile(std::span<const int> elemstat, std::string_view fileState) {
  ElementChanges changes;
  for (std::size_t element = 0; element < elemstat.size(); ++element) {
    const bool same = element < fileState.size() && fileState[element] - '0' == elemstat[element];
    if (same) continue;
    if (changes.count++ == 0) changes.first = static_cast<int>(element);
  }
  return changes;
}

std::optional<std::string> trackingMessage(const ElementChanges& changes, TrackingCause cause, bool verbose,
                                           Language language,
                                           const std::function<std::string(int)>& caption) {
  if (!verbose) return std::nullopt;
  if (changes.count == 0) {
    if (cause == TrackingCause::SynchronisationItem) return catalogue::text(language, 162);
    return std::nullopt;
  }
  if (changes.count == 1)
    return catalogue::text(language, 161) + " " + std::to_string(changes.first) + " " +
           caption(changes.first);
  return catalogue::text(language, 160) + " " + std::to_string(changes.count);
}

CvFileContent fileContentOf(const CvSheet& sheet) {
  CvFileContent content{cvFileValues(sheet, anyCompanionBase), {}};
  for (int zone = 1; zone <= zoneCount; ++zone)
    content.zones[static_cast<std::size_t>(zone - 1)] = sheet[zoneNames(zone).text].richText;
  return content;
}

void markSaved(CvSheet& sheet) {
  sheet.state.fileElemstat = formatElementStates(sheet.state.elemstat);
  sheet.state.savedContent = fileContentOf(sheet);
}

bool hasUnsavedChanges(const CvSheet& sheet) {
  const CvEditorState& state = sheet.state;
  if (!state.savedContent) return false;
  if (compareWithFile(state.elemstat, state.fileElemstat).count > 0) return true;
  if (cvFileValues(sheet, anyCompanionBase) != state.savedContent->values) return true;
  // The zones are compared where they are: this runs at every key typed, and a zone may be long.
  for (int zone = 1; zone <= zoneCount; ++zone)
    if (sheet[zoneNames(zone).text].richText != state.savedContent->zones[static_cast<std::size_t>(zone - 1)])
      return true;
  return false;
}

void trackEdits(CvSheet& sheet) {
  if (sheet.state.savedContent) sheet.setSavingAllowed(hasUnsavedChanges(sheet));
}

void synchronise(CvSheet& sheet, TrackingCause cause, Prompter& prompter) {
  if (!sheet.state.savedContent) return;
  const Language language = sheet.state.language;
  const std::optional<std::string> message = trackingMessage(
      compareWithFile(sheet.state.elemstat, sheet.state.fileElemstat), cause, sheet.state.verbose, language,
      [language](int element) {
        return catalogue::text(language, elementTable()[static_cast<std::size_t>(element)].captionId);
      });
  if (message) prompter.show(MessageKind::Information, *message);
  trackEdits(sheet);
}

std::string toggleVerboseMode(CvSheet& sheet) {
  sheet.state.verbose = !sheet.state.verbose;
  return verboseModeCaption(sheet.state.verbose, sheet.state.language);
}

}  // namespace orvane::minicv
