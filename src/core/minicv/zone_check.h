#pragma once
// The "ok" check of the text zones: lines whose tabs would not line up in print, and the tab schema
// that shows where a zone's tabs fall.

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "minicv/cv_sheet.h"
#include "services/prompter.h"

namespace orvane::minicv {

/// The lines of a zone whose tabs the check compares: the heading and ten entries beneath it.
inline constexpr std::size_t zoneCheckedLines = 11;

/// The sum of the 1-based positions of the tabs in the line's pattern, where each tab counts one
/// place and each run of other characters one place; 0 for a line without tab.
int tabSignature(std::string_view line);

/// The tab schema of a zone: a title with the zone's hint, then for each line with something printable
/// its number and its text with every tab shown as a green "1######8".
RichText tabSchema(const Control& zone);

struct ZoneCheck {
  int zone = 0;                    // 1 to 4, in the order of the zones on the sheet
  std::optional<int> line;         // 1-based number of the first line whose tabs disagree with one above
  std::optional<RichText> schema;  // the tab schema, when the user asked to see it
};

/// Checks the first 11 lines of every zone; each faulty zone is reported and, when the user says yes,
/// `showSchema` shows its tab schema before the next zone is checked.
std::vector<ZoneCheck> checkZones(const CvSheet& sheet, Prompter& prompter,
                                  const std::function<void(const RichText&)>& showSchema = {});

}  // namespace orvane::minicv
