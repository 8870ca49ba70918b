#pragma once
// The four multi-line zones of the sheet: switching them on and off, their stacking inside
// `GroupBox5`, and the height rule that grows the frames and the window with their texts.

#include <string_view>
#include <vector>

#include "minicv/cv_sheet.h"
#include "services/text_metrics.h"

namespace orvane::minicv {

inline constexpr int zoneCount = 4;
/// The height a zone gives each of its lines at the least.
inline constexpr int zoneLineHeight = 15;

/// The names of zone `zone` (1 to 4): its frame (empty for zone 1, which sits in `GroupBox5` itself),
/// its title label and its rich text.
struct ZoneNames {
  std::string frame;
  std::string title;
  std::string text;
};
ZoneNames zoneNames(int zone);

/// The height that shows every one of `lines` whole: `zoneLineHeight` a line, or down to the last
/// line's bottom where the lines are taller than that.
int zoneHeightFor(const std::vector<DisplayLine>& lines);

/// Shows zone `zone` (1 to 4) with its title, and its column headings when it holds no text, or hides
/// it, then restacks.
void switchZone(CvSheet& sheet, int zone, bool on);
/// Gives zone `zone` its text and runs the height rule.
void setZoneText(CvSheet& sheet, int zone, const RichText& text);
/// The height rule after a change of zone `zone`'s text: once the editor is opened, the zone, its
/// frame, the zone frames, the window and the sheet follow the lines it displays.
void zoneTextChanged(CvSheet& sheet, int zone);
/// Puts each zone 5 pixels below the one before it (hidden zones count 0 high) and places the frames.
void restackZones(CvSheet& sheet);
/// Fits the zone frames to the window, as every opening does.
void fitZoneFrames(CvSheet& sheet);
/// Runs the height rule for every zone shown, as after a load.
void fitZonesToTexts(CvSheet& sheet);

}  // namespace orvane::minicv
