#include "cardfile/card_file_writer.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <system_error>

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

// The text after "N - " on each numbered line, up to where the value starts.
constexpr std::array<std::string_view, 51> labels{
    "texte 1 : ",                        // 1
    "texte 2 : ",                        // 2
    "orientation :",                     // 3
    "motif carte :",                     // 4
    "image carte :",                     // 5
    "nom police en-tête cadre 1 :",      // 6
    "nom police en-tête cadre 2 :",      // 7
    "nom police corps cadre 1 :",        // 8
    "nom police corps cadre 2 :",        // 9
    "réservé :",                         // 10
    "réservé :",                         // 11
    "réservé :",                         // 12
    "réservé :",                         // 13
    "réservé :",                         // 14
    "largeur carte :",                   // 15
    "hauteur carte :",                   // 16
    "top origine carte :",               // 17
    "couleur carte :$",                  // 18
    "largeur texte 1 :",                 // 19
    "hauteur texte 1 :",                 // 20
    "top origine texte 1 :",             // 21
    "largeur texte 2 :",                 // 22
    "hauteur texte 2 :",                 // 23
    "top origine texte 2 :",             // 24
    "alignement texte 1 :",              // 25
    "alignement texte 2 :",              // 26
    "left origine cadre 2 :",            // 27
    "left origine cadre 1 :",            // 28
    "réservé :",                         // 29
    "couleur cadre 1 :$",                // 30
    "couleur cadre 2 :$",                // 31
    "largeur image :",                   // 32
    "hauteur image :",                   // 33
    "position verticale image :",        // 34
    "position horizontale image :",      // 35
    "valeur d'écartement :",             // 36
    "taille police en-tête cadre 1 :",   // 37
    "style police en-tête cadre 1 :",    // 38
    "couleur police en-tête cadre 1 :",  // 39
    "taille police en-tête cadre 2 :",   // 40
    "style police en-tête cadre 2 :",    // 41
    "couleur police en-tête cadre 2 :",  // 42
    "taille police corps cadre 1 :",     // 43
    "style police corps cadre 1 :",      // 44
    "couleur police corps cadre 1 :",    // 45
    "taille police corps cadre 2 :",     // 46
    "style police corps cadre 2 :",      // 47
    "couleur police corps cadre 2 :",    // 48
    "résolution système :",              // 49
    "transparence :",                    // 50
    "réservé :",                         // 51
};

// The file's own name while a path holding "?" is written.
constexpr std::string_view stagingName = "savedov1.txt";

// What follows the "$" of lines 18, 30 and 31: "00" and six upper-case hexadecimal digits, or nothing
// for black and for a colour that needs more digits.
std::string backgroundColourText(Colour colour) {
  if (colour == 0 || colour > 0xFFFFFF) return {};
  char digits[9];
  std::snprintf(digits, sizeof digits, "00%06X", static_cast<unsigned>(colour));
  return digits;
}

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
  void set(int line, long long number) { set(line, std::to_string(number)); }
  // Name, size, style and colour of a font on its four lines.
  void setFont(int nameLine, int sizeLine, const FontSpec& font) {
    set(nameLine, font.name);
    set(sizeLine, font.size);
    set(sizeLine + 1, styleCode(font.style));
    set(sizeLine + 2, static_cast<long long>(font.colour));
  }
  const std::string& at(std::size_t index) const { return values_.at(index); }

 private:
  std::array<std::string, labels.size()> values_;
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
  values.set(1, recordedFrameTextPath(1, companionBase));
  values.set(2, recordedFrameTextPath(2, companionBase));
  values.set(3, card.orientation == Orientation::Horizontal ? "paysage" : "portrait");
  values.set(4, card.patternFile);
  values.set(5, card.iconFile);
  values.setFont(6, 37, headerFontToSave(card, 1));
  values.setFont(7, 40, headerFontToSave(card, 2));
  values.setFont(8, 43, bodyFontToSave(frame1));
  values.setFont(9, 46, bodyFontToSave(frame2));
  values.set(15, card.cardWidth);
  values.set(16, card.cardHeight);
  values.set(17, card.cardTop);
  values.set(18, backgroundColourText(card.cardColor));
  values.set(19, frame1.frameWidth);
  values.set(20, frame1.frameHeight);
  values.set(21, frame1.frameTop);
  values.set(22, frame2.frameWidth);
  values.set(23, frame2.frameHeight);
  values.set(24, frame2.frameTop);
  values.set(25, frame1.frameAlignment);
  values.set(26, frame2.frameAlignment);
  values.set(27, frame2.frameLeft);
  values.set(28, frame1.frameLeft);
  values.set(30, backgroundColourText(frame1.frameColor));
  values.set(31, backgroundColourText(frame2.frameColor));
  values.set(32, card.iconWidth);
  values.set(33, card.iconHeight);
  values.set(34, card.iconTop);
  values.set(35, card.iconLeft);
  values.set(36, card.effectiveSpacing());
  values.set(49, screenResolution);
  values.set(50, (frame1.frameTransparent ? 1 : 0) + (frame2.frameTransparent ? 2 : 0));

  std::vector<std::string> lines(header.begin(), header.end());
  for (std::size_t i = 0; i < labels.size(); ++i)
    lines.push_back(std::to_string(i + 1) + " - " + std::string(labels[i]) + values.at(i));
  return lines;
}

FileStatus writeCardFile(const CardModel& card, const std::string& targetPath, std::string_view companionBase,
                         int screenResolution) {
  const std::filesystem::path target = nativePath(targetPath);
  const std::vector<std::string> lines = cardFileLines(card, companionBase, screenResolution);
  if (targetPath.find('?') == std::string::npos) return writeLines(target, lines);

  // A "?" stands for a character the code page could not give the dialog: the file is written under a
  // plain name first and then takes the chosen one.
  const std::filesystem::path staging = target.parent_path() / stagingName;
  if (FileStatus written = writeLines(staging, lines); !written.ok()) return written;
  std::error_code error;
  std::filesystem::rename(staging, target, error);
  if (error) return {utf8Path(target) + ": " + error.message() + "; saved as " + utf8Path(staging)};
  return {};
}

bool saveFrameTexts(const CardModel& card, const std::string& cardFilePath, std::string_view companionBase,
                    CompanionFiles& companions, Language language, Prompter& prompter) {
  const std::filesystem::path folder = nativePath(cardFilePath).parent_path();
  companions.currentFolder = utf8Path(folder);
  companions.transitMarker = cardFilePath.find('?') == std::string::npos;
  bool allWritten = true;
  for (int number = 1; number <= 2; ++number) {
    const std::filesystem::path destination =
        folder / elementFolder / nativePath(frameTextFileName(number, companionBase));
    const FrameModel& frame = card.frame(number);
    if (frameTextAlreadySaved(frame, destination)) continue;
    if (!companions.saveCompanion(frameTextKind(number), frame.text, utf8Path(destination))) {
      prompter.show(MessageKind::Plain, catalogue::text(language, 133));
      allWritten = false;
    }
  }
  return allWritten;
}

}  // namespace orvane
