#include "cardfile/card_file_loader.h"

#include <algorithm>
#include <limits>
#include <system_error>

#include "catalogue/catalogue.h"
#include "text/field_text.h"
#include "text/file_path.h"
#include "text/line_reader.h"
#include "text/rounding.h"
#include "text/utf8.h"

namespace orvane {

namespace {

constexpr int messageBadName = 151;
constexpr int messageOlderVersion = 173;
constexpr int messageNoColon = 174;
constexpr int messageFileNotFound = 184;
constexpr int messageDimension = 1149;

// A shorter path cannot name a card file: it has no room for a name and an extension.
constexpr int shortestPath = 5;
// A file that stops after this line comes from an older version.
constexpr int lastLineOfOlderVersions = 50;

// Lengths and font sizes are kept within 16 bits, what window geometry and the layout snapshots
// hold, so that no later sum or product of them can overflow.
constexpr double shortMin = std::numeric_limits<std::int16_t>::min();
constexpr double shortMax = std::numeric_limits<std::int16_t>::max();

CardFileFinding stop(int message, std::string before = {}, std::string after = {}) {
  return {message, std::move(before), std::move(after), MessageKind::Error, Buttons::Ok, false};
}

// Reads the values of lines 1 to 51, with a finding for each line without ":".
void readValues(LineReader& file, CardFileReading& reading) {
  std::optional<std::string> line = file.next();
  while (line && line->find("**") != std::string::npos) line = file.next();
  int lastNumberRead = 0;
  for (std::optional<std::string>& value : reading.values) {
    if (&value != &reading.values.front()) line = file.next();
    const std::string_view text = line ? std::string_view(*line) : std::string_view();
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
      // After line 50 the file is only older; elsewhere the user may stop the load.
      const bool older = lastNumberRead == lastLineOfOlderVersions;
      reading.findings.push_back({older ? messageOlderVersion : messageNoColon,
                                  {},
                                  {},
                                  MessageKind::Information,
                                  older ? Buttons::Ok : Buttons::OkAbort,
                                  true});
      continue;
    }
    lastNumberRead = parseInteger(text.substr(0, 2));
    value = std::string(text.substr(colon + 1));
  }
}

// Whether the card or its icon would have a side the editor cannot draw; a line without a value
// leaves its side as it was.
bool notDrawable(const CardFileReading& reading) {
  return std::ranges::any_of(std::array{lineCardWidth, lineCardHeight, lineIconWidth, lineIconHeight},
                             [&](int line) {
                               const std::optional<int> length = reading.length(line);
                               return length && !isDrawableLength(*length);
                             });
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

template <typename T, typename U>
void assignIf(T& field, const std::optional<U>& value) {
  if (value) field = static_cast<T>(*value);
}

std::optional<std::int16_t> fontSize(const CardFileReading& reading, int line) {
  const auto size = reading.number(line);
  if (!size) return std::nullopt;
  return static_cast<std::int16_t>(std::clamp(static_cast<double>(*size), shortMin, shortMax));
}

// Name, size, style and colour of a font from its four lines.
void applyFont(FontSpec& font, const CardFileReading& reading, int nameLine, int sizeLine) {
  assignIf(font.name, reading.text(nameLine));
  assignIf(font.size, fontSize(reading, sizeLine));
  if (const auto style = reading.number(sizeLine + 1)) font.style = decodeStyle(*style, font.style);
  assignIf(font.colour, reading.number(sizeLine + 2));
}

void applyFrame(FrameModel& frame, int number, const CardFileReading& reading, int widthLine,
                int alignmentLine, int leftLine, int colourLine) {
  assignIf(frame.frameTextFile, reading.frameTextFile(number));
  assignIf(frame.frameWidth, reading.length(widthLine));
  assignIf(frame.frameHeight, reading.length(widthLine + 1));
  assignIf(frame.frameTop, reading.length(widthLine + 2));
  if (const auto code = reading.number(alignmentLine)) {
    if (const auto alignment = decodeAlignment(number, *code)) {
      frame.frameAlignment = *alignment;
      frame.text.setAlignment(paragraphAlignmentOf(*alignment));
    }
  }
  assignIf(frame.frameLeft, reading.length(leftLine));
  if (const auto colour = reading.number(colourLine)) frame.frameColor = frame.accessColor = Colour(*colour);
}

}  // namespace

std::string findingText(const CardFileFinding& finding, Language language) {
  return finding.before + catalogue::text(language, finding.message) + finding.after;
}

std::optional<std::string> CardFileReading::text(int line) const {
  const auto& raw = value(line);
  if (!raw) return std::nullopt;
  return std::string(readText(cardLineFormat(line).kind, *raw));
}

std::optional<int> CardFileReading::number(int line) const {
  const auto& raw = value(line);
  if (!raw) return std::nullopt;
  return parseInteger(*raw);
}

std::optional<int> CardFileReading::length(int line) const {
  const auto pixels = number(line);
  if (!pixels) return std::nullopt;
  // A file without a usable resolution is taken as it is.
  const int savedResolution = number(lineResolution).value_or(0);
  const double ratio = savedResolution > 0 ? static_cast<double>(screenResolution) / savedResolution : 1.0;
  return roundToInt(std::clamp(*pixels * ratio, shortMin, shortMax));
}

std::optional<std::string> CardFileReading::frameTextFile(int frameNumber) const {
  const auto recorded = text(frameNumber == 1 ? lineFrame1Text : lineFrame2Text);
  if (!recorded) return std::nullopt;
  if (recorded->empty()) return std::string();
  return utf8Path((folder / nativePath(*recorded)).lexically_normal());
}

CardFileReading readCardFile(const std::string& path, const CardFileLoadOptions& options) {
  CardFileReading reading;
  reading.screenResolution = options.screenResolution;
  if (utf8Length(path) < shortestPath) {
    reading.findings.push_back(stop(messageBadName));
    return reading;
  }
  std::error_code error;
  const std::filesystem::path file = std::filesystem::absolute(nativePath(path), error);
  LineReader lines(error ? std::filesystem::path() : file);
  if (error || !lines.isOpen()) {
    reading.findings.push_back(stop(messageFileNotFound, {}, path));
    return reading;
  }
  reading.folder = file.parent_path();
  readValues(lines, reading);
  if (notDrawable(reading)) reading.findings.push_back(stop(messageDimension, path + " : "));
  return reading;
}

void applyCardFileValues(CardModel& card, const CardFileReading& reading,
                         const CardFileLoadOptions& options) {
  if (const auto orientation = reading.text(lineOrientation))
    card.orientation = *orientation == "paysage" ? Orientation::Horizontal : Orientation::Vertical;
  assignIf(card.patternFile, reading.text(linePatternFile));
  assignIf(card.iconFile, reading.text(lineIconFile));

  assignIf(card.cardWidth, reading.length(lineCardWidth));
  assignIf(card.cardHeight, reading.length(lineCardHeight));
  if (options.trackBarTop)
    card.cardTop = *options.trackBarTop;
  else
    assignIf(card.cardTop, reading.length(lineCardTop));
  assignIf(card.cardColor, reading.number(lineCardColour));
  applyFrame(card.frame(1), 1, reading, lineFrame1Width, lineFrame1Alignment, lineFrame1Left,
             lineFrame1Colour);
  applyFrame(card.frame(2), 2, reading, lineFrame2Width, lineFrame2Alignment, lineFrame2Left,
             lineFrame2Colour);
  assignIf(card.iconWidth, reading.length(lineIconWidth));
  assignIf(card.iconHeight, reading.length(lineIconHeight));
  assignIf(card.iconTop, reading.length(lineIconTop));
  assignIf(card.iconLeft, reading.length(lineIconLeft));
  assignIf(card.spacing, reading.length(lineSpacing));
  // The resets go back to the card as loaded.
  card.designWidth = card.cardWidth;
  card.designHeight = card.cardHeight;
  card.designIconTop = card.iconTop;
  card.designIconLeft = card.iconLeft;

  applyFont(card.frame(1).headerFont, reading, lineHeaderFont1Name, lineHeaderFont1Size);
  applyFont(card.frame(2).headerFont, reading, lineHeaderFont2Name, lineHeaderFont2Size);
  applyFont(card.frame(1).bodyFont, reading, lineBodyFont1Name, lineBodyFont1Size);
  applyFont(card.frame(2).bodyFont, reading, lineBodyFont2Name, lineBodyFont2Size);
  applyFrameFonts(card);
  for (FrameModel& frame : card.frames) frame.modified = false;
}

void applyStoredTransparency(CardModel& card, int transparency) {
  if (transparency < 0 || transparency > 3) return;
  card.frame(1).frameTransparent = (transparency & 1) != 0;
  card.frame(2).frameTransparent = (transparency & 2) != 0;
}

}  // namespace orvane
