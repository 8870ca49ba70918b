#include "cardfile/card_file_loader.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <limits>
#include <system_error>
#include <vector>

#include "cardfile/frame_text_file.h"
#include "catalogue/catalogue.h"
#include "text/field_text.h"
#include "text/file_path.h"
#include "text/line_file.h"
#include "text/rounding.h"
#include "text/utf8.h"

namespace orvane {

namespace {

constexpr int numberedLines = 51;
// A shorter path cannot name a card file: it has no room for a name and an extension.
constexpr int shortestPath = 5;
// A file that stops after this line comes from an older version.
constexpr int lastLineOfOlderVersions = 50;

// Lengths and font sizes are kept within 16 bits, what window geometry and the layout snapshots
// hold, so that no later sum or product of them can overflow.
constexpr double shortMin = std::numeric_limits<std::int16_t>::min();
constexpr double shortMax = std::numeric_limits<std::int16_t>::max();

// The text after the first ":" of each numbered line, by position; empty where a line had none.
using LineValues = std::array<std::string, numberedLines>;

// Reads the 51 values, asking about each line without ":"; nothing when the user chose Abort.
std::optional<LineValues> readValues(const std::vector<std::string>& lines, Language language,
                                     Prompter& prompter) {
  std::size_t next = 0;
  while (next < lines.size() && lines[next].find("**") != std::string::npos) ++next;
  LineValues values;
  int lastNumberRead = 0;
  for (std::string& value : values) {
    const std::string_view line = next < lines.size() ? std::string_view(lines[next]) : std::string_view();
    ++next;
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) {
      if (lastNumberRead == lastLineOfOlderVersions) {
        prompter.show(MessageKind::Information, catalogue::text(language, 173), Buttons::Ok);
      } else if (prompter.show(MessageKind::Information, catalogue::text(language, 174), Buttons::OkAbort) ==
                 Answer::Abort) {
        return std::nullopt;
      }
      continue;
    }
    lastNumberRead = parseInteger(line.substr(0, 2));
    value = line.substr(colon + 1);
  }
  return values;
}

FontStyle decodeStyle(int code, const FontStyle& unchanged) {
  if (code < 0 || code > 14 || code % 2 != 0) return unchanged;
  return FontStyle{(code & 2) != 0, (code & 4) != 0, (code & 8) != 0, false};
}

// Frame 1 takes -1 as centre, frame 2 as left: each frame's start alignment.
std::optional<int> decodeAlignment(int number, int code) {
  if (code == -1) return number == 1 ? alignCentre : alignLeft;
  if (code >= alignLeft && code <= alignCentre) return code;
  return std::nullopt;
}

class ValueApplier {
 public:
  ValueApplier(const LineValues& values, int screenResolution) : values_(values) {
    // A file without a usable resolution is taken as it is.
    const int savedResolution = number(49);
    if (savedResolution > 0) ratio_ = static_cast<double>(screenResolution) / savedResolution;
  }

  std::string_view text(int line) const { return values_.at(line - 1); }
  int number(int line) const { return parseInteger(text(line)); }
  int length(int line) const { return roundToInt(std::clamp(number(line) * ratio_, shortMin, shortMax)); }
  std::int16_t fontSize(int line) const {
    return static_cast<std::int16_t>(std::clamp(static_cast<double>(number(line)), shortMin, shortMax));
  }
  Colour colour(int line) const { return static_cast<Colour>(number(line)); }

  void font(FontSpec& font, int nameLine, int sizeLine) const {
    font.name = std::string(text(nameLine));
    font.size = fontSize(sizeLine);
    font.style = decodeStyle(number(sizeLine + 1), font.style);
    font.colour = colour(sizeLine + 2);
  }

 private:
  const LineValues& values_;
  double ratio_ = 1;
};

// The full path of a frame text file recorded in the card file in `folder`.
std::string frameTextPath(std::string_view recorded, const std::filesystem::path& folder) {
  if (recorded.empty()) return {};
  return utf8Path((folder / nativePath(recorded)).lexically_normal());
}

void loadFrameText(FrameModel& frame, int number, std::string_view recorded,
                   const std::filesystem::path& folder, CompanionFiles& companions) {
  frame.frameTextFile = frameTextPath(recorded, folder);
  std::error_code error;
  if (!frame.frameTextFile.empty() &&
      std::filesystem::is_regular_file(nativePath(frame.frameTextFile), error))
    companions.loadCompanion(frameTextKind(number), frame.frameTextFile, frame.text);
}

void applyFrame(FrameModel& frame, int number, const ValueApplier& file, int firstGeometryLine,
                int alignmentLine, int leftLine, int colourLine) {
  frame.frameWidth = file.length(firstGeometryLine);
  frame.frameHeight = file.length(firstGeometryLine + 1);
  frame.frameTop = file.length(firstGeometryLine + 2);
  if (const auto alignment = decodeAlignment(number, file.number(alignmentLine))) {
    frame.frameAlignment = *alignment;
    frame.text.setAlignment(paragraphAlignmentOf(*alignment));
  }
  frame.frameLeft = file.length(leftLine);
  frame.frameColor = file.colour(colourLine);
  frame.accessColor = frame.frameColor;
}

void applyValues(CardModel& card, const ValueApplier& file, const std::filesystem::path& folder,
                 const CardFileLoadOptions& options, CompanionFiles& companions) {
  companions.currentFolder = utf8Path(folder);
  for (int number = 1; number <= 2; ++number)
    loadFrameText(card.frame(number), number, trimLeadingBlanks(file.text(number)), folder, companions);
  card.orientation = file.text(3) == "paysage" ? Orientation::Horizontal : Orientation::Vertical;
  card.patternFile = std::string(trimLeadingBlanks(file.text(4)));
  card.iconFile = std::string(trimLeadingBlanks(file.text(5)));

  card.cardWidth = card.designWidth = file.length(15);
  card.cardHeight = card.designHeight = file.length(16);
  card.cardTop = options.trackBarTop.value_or(file.length(17));
  card.cardColor = file.colour(18);
  applyFrame(card.frame(1), 1, file, 19, 25, 28, 30);
  applyFrame(card.frame(2), 2, file, 22, 26, 27, 31);
  card.iconWidth = file.length(32);
  card.iconHeight = file.length(33);
  card.iconTop = card.designIconTop = file.length(34);
  card.iconLeft = card.designIconLeft = file.length(35);
  card.spacing = file.length(36);

  file.font(card.frame(1).headerFont, 6, 37);
  file.font(card.frame(2).headerFont, 7, 40);
  file.font(card.frame(1).bodyFont, 8, 43);
  file.font(card.frame(2).bodyFont, 9, 46);
  applyFrameFonts(card);
  for (FrameModel& frame : card.frames) frame.modified = false;
}

}  // namespace

CardFileLoadResult loadCardFile(CardModel& card, const std::string& path, const CardFileLoadOptions& options,
                                CompanionFiles& companions, Prompter& prompter) {
  CardFileLoadResult result;
  if (utf8Length(path) < shortestPath) {
    prompter.show(MessageKind::Error, catalogue::text(options.language, 151), Buttons::Ok);
    return result;
  }
  std::error_code error;
  const std::filesystem::path file = std::filesystem::absolute(nativePath(path), error);
  const auto lines = error ? std::nullopt : readLines(file);
  if (!lines) {
    result.error = path + ": the file could not be read";
    return result;
  }
  const auto values = readValues(*lines, options.language, prompter);
  if (!values) return result;

  const ValueApplier applier(*values, options.screenResolution);
  applyValues(card, applier, file.parent_path(), options, companions);
  result.loaded = true;
  result.transparency = applier.number(50);
  result.decorationsNamed = !card.patternFile.empty() || !card.iconFile.empty();
  return result;
}

void applyStoredTransparency(CardModel& card, int transparency) {
  if (transparency < 0 || transparency > 3) return;
  card.frame(1).frameTransparent = (transparency & 1) != 0;
  card.frame(2).frameTransparent = (transparency & 2) != 0;
}

}  // namespace orvane
