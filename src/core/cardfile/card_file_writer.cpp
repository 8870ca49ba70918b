#include "cardfile/card_file_writer.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "cardfile/card_file_lines.h"
#include "cardfile/frame_text_file.h"
#include "catalogue/catalogue.h"
#include "text/file_path.h"

namespace orvane {

namespace {

constexpr std::array<std::string_view, 3> header{
    "** Fichier paramêtre pour Orvane : carte",
    "**Version : ORVANE 1.95",
    "**",
};

int styleCode(const FontStyle& style) {
  return (style.bold ? 2 : 0) + (style.italic ? 4 : 0) + (style.underline ? 8 : 0);
}

// The stored header font when the frame's first line shows it, otherwise what the first line shows.
FontSpec headerFontToSave(const CardModel& card, int number) {
  return headerFontMatches(card, number) ? card.frame(number).headerFont : readHeaderFont(card, number);
}

// A body font that is not set is saved as an empty name and zeros.
FontSpec bodyFontToSave(const FrameModel& frame) {
  if (frame.bodyFont.isSet()) return frame.bodyFont;
  FontSpec unset;
  unset.size = 0;
  return unset;
}

class LineValues {
 public:
  void set(int line, std::string value) { values_.at(line - 1) = std::move(value); }
  void set(int line, std::int64_t number) { set(line, numberText(cardLineFormat(line).kind, number)); }
  // Name, size, style and colour of a font on its four lines.
  void setFont(int nameLine, int sizeLine, const FontSpec& font) {
    set(nameLine, font.name);
    set(sizeLine, std::int64_t{font.size});
    set(sizeLine + 1, std::int64_t{styleCode(font.style)});
    set(sizeLine + 2, std::int64_t{font.colour});
  }
  // Width, height and top of a frame on its three lines.
  void setFrameSize(int widthLine, const FrameModel& frame) {
    set(widthLine, frame.frameWidth);
    set(widthLine + 1, frame.frameHeight);
    set(widthLine + 2, frame.frameTop);
  }
  const std::string& at(int line) const { return values_.at(line - 1); }

 private:
  std::array<std::string, cardLineCount> values_;
};

// True when the frame's text already is, unchanged, in the file it would be written to.
bool frameTextAlreadySaved(const FrameModel& frame, const std::filesystem::path& destination) {
  if (frame.modified || frame.frameTextFile.empty()) return false;
  std::error_code error;
  return std::filesystem::equivalent(nativePath(frame.frameTextFile), destination, error) && !error;
}

}  // namespace

std::vector<std::string> cardFileLines(const CardModel& card, std::string_view companionBase,
                                       int screenResolution) {
  const FrameModel& frame1 = card.frame(1);
  const FrameModel& frame2 = card.frame(2);
  LineValues values;
  values.set(lineFrame1Text, recordedFrameTextPath(1, companionBase));
  values.set(lineFrame2Text, recordedFrameTextPath(2, companionBase));
  values.set(lineOrientation,
             std::string(card.orientation == Orientation::Horizontal ? "paysage" : "portrait"));
  values.set(linePatternFile, card.patternFile);
  values.set(lineIconFile, card.iconFile);
  values.setFont(lineHeaderFont1Name, lineHeaderFont1Size, headerFontToSave(card, 1));
  values.setFont(lineHeaderFont2Name, lineHeaderFont2Size, headerFontToSave(card, 2));
  values.setFont(lineBodyFont1Name, lineBodyFont1Size, bodyFontToSave(frame1));
  values.setFont(lineBodyFont2Name, lineBodyFont2Size, bodyFontToSave(frame2));
  values.set(lineCardWidth, card.cardWidth);
  values.set(lineCardHeight, card.cardHeight);
  values.set(lineCardTop, card.cardTop);
  values.set(lineCardColour, card.cardColor);
  values.setFrameSize(lineFrame1Width, frame1);
  values.setFrameSize(lineFrame2Width, frame2);
  values.set(lineFrame1Alignment, frame1.frameAlignment);
  values.set(lineFrame2Alignment, frame2.frameAlignment);
  values.set(lineFrame2Left, frame2.frameLeft);
  values.set(lineFrame1Left, frame1.frameLeft);
  values.set(lineFrame1Colour, frame1.frameColor);
  values.set(lineFrame2Colour, frame2.frameColor);
  values.set(lineIconWidth, card.iconWidth);
  values.set(lineIconHeight, card.iconHeight);
  values.set(lineIconTop, card.iconTop);
  values.set(lineIconLeft, card.iconLeft);
  values.set(lineSpacing, card.effectiveSpacing());
  values.set(lineResolution, screenResolution);
  values.set(lineTransparency, (frame1.frameTransparent ? 1 : 0) + (frame2.frameTransparent ? 2 : 0));

  std::vector<std::string> lines(header.begin(), header.end());
  for (int line = 1; line <= cardLineCount; ++line) lines.push_back(cardLineText(line, values.at(line)));
  return lines;
}

bool frameTextNamesRecordable(std::string_view companionBase) {
  return writtenWhole(cardLineText(lineFrame1Text, recordedFrameTextPath(1, companionBase))) &&
         writtenWhole(cardLineText(lineFrame2Text, recordedFrameTextPath(2, companionBase)));
}

FileStatus writeCardFile(const CardModel& card, const std::string& targetPath, std::string_view companionBase,
                         int screenResolution) {
  return writeLines(nativePath(targetPath), cardFileLines(card, companionBase, screenResolution));
}

bool saveFrameTexts(const CardModel& card, const std::string& cardFilePath, std::string_view companionBase,
                    CompanionFiles& companions, Language language, Prompter& prompter) {
  const std::filesystem::path folder = nativePath(cardFilePath).parent_path();
  bool allWritten = true;
  for (int number = 1; number <= 2; ++number) {
    const std::filesystem::path destination =
        folder / elementFolder / nativePath(frameTextFileName(number, companionBase));
    const FrameModel& frame = card.frame(number);
    if (frameTextAlreadySaved(frame, destination)) continue;
    if (!companions.saveCompanion(frame.text, utf8Path(destination))) {
      prompter.show(MessageKind::Plain, catalogue::text(language, 133));
      allWritten = false;
    }
  }
  return allWritten;
}

}  // namespace orvane
