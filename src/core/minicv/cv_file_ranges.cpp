#include "minicv/cv_file_ranges.h"

#include <algorithm>

#include "catalogue/catalogue.h"
#include "minicv/font_commands.h"
#include "minicv/sheet_adjustments.h"
#include "text/field_text.h"
#include "text/utf8.h"

namespace orvane::minicv {

namespace {

constexpr int messageHeldValues = 187;
// A value read is shown up to this many characters: a slipped line may hold a whole text.
constexpr int longestValueShown = 20;

struct Range {
  int line;
  SizeRange range;
  int fallback;
};

constexpr int defaultPercentage = 100;

constexpr Range ranges[] = {
    {cvLineWidthPercent, {smallestPercentage, largestPercentage}, defaultPercentage},
    {cvLineHeightPercent, {smallestPercentage, largestPercentage}, defaultPercentage},
    {cvLineFormFontName + 1, formFontSizes, startFontSize},
    {cvLineZoneFontName + 1, zoneFontSizes, startFontSize},
};

std::string shown(const std::string& value) {
  if (utf8Length(value) <= longestValueShown) return value;
  return value.substr(0, utf8Offset(value, longestValueShown)) + "...";
}

}  // namespace

std::vector<HeldValue> holdToRanges(CvFileLines& lines) {
  std::vector<HeldValue> held;
  for (const Range& range : ranges) {
    std::optional<std::string>& value = lines.values[static_cast<std::size_t>(range.line)];
    if (!value) continue;
    const std::optional<int> number = tryParseInteger(*value);
    const int kept = number ? std::clamp(*number, range.range.smallest, range.range.largest) : range.fallback;
    if (number == kept) continue;
    held.push_back({range.line, *value, std::to_string(kept)});
    *value = std::to_string(kept);
  }
  return held;
}

std::string heldValuesMessage(const std::vector<HeldValue>& held, Language language) {
  std::string message = catalogue::text(language, messageHeldValues);
  for (const HeldValue& value : held)
    message += "\n" + std::string(cvLineLabel(value.line)) + " " + shown(value.read) + " -> " + value.kept;
  return message;
}

}  // namespace orvane::minicv
