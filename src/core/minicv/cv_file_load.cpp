#include "minicv/cv_file_load.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "catalogue/catalogue.h"
#include "minicv/change_tracking.h"
#include "minicv/cv_file_lines.h"
#include "minicv/cv_file_ranges.h"
#include "minicv/editor_commands.h"
#include "minicv/element_switching.h"
#include "minicv/element_table.h"
#include "minicv/font_layout.h"
#include "minicv/photo.h"
#include "minicv/zone_layout.h"
#include "text/field_text.h"
#include "text/file_path.h"
#include "text/line_file.h"
#include "text/rounding.h"
#include "text/utf8.h"

namespace orvane::minicv {

namespace {

namespace fs = std::filesystem;

constexpr int messageNoColon = 106;
constexpr int messageElements = 107;
constexpr int messageButtons = 108;
constexpr int messageFiles = 109;
constexpr int messagePhotoMissing = 144;
constexpr int messageZoneMissing = 145;
constexpr int messageZoneMissingEnd = 146;
constexpr int messageBadName = 151;
constexpr int messageBadLanguage = 171;
// A name of four characters or fewer cannot be a file name with its extension.
constexpr int shortestName = 5;
constexpr int loadedWindowHeight = 700;
// A background value at or below this is no colour the editor wrote.
constexpr int lowestBackground = 100;

// Tells the problems of one load as its mode says; `goOn` is false once the load is to stop.
class LoadReporter {
 public:
  LoadReporter(CvReportMode mode, Prompter& prompter) : mode_(mode), prompter_(prompter) {}

  /// Tells `text`; true when the load goes on.
  bool problem(const std::string& text) {
    if (mode_ == CvReportMode::Silent) return false;
    if (mode_ == CvReportMode::Report) {
      prompter_.show(MessageKind::Warning, text);
      return false;
    }
    return prompter_.show(MessageKind::Warning, text, Buttons::OkAbort) != Answer::Abort;
  }
  CvReportMode mode() const { return mode_; }

 private:
  CvReportMode mode_;
  Prompter& prompter_;
};

// Element switches during a load are not the user's: change tracking waits until the file is in.
class SwitchHookPause {
 public:
  explicit SwitchHookPause(CvSheet& sheet) : sheet_(sheet), hook_(std::move(sheet.afterElementSwitch)) {
    sheet_.afterElementSwitch = nullptr;
  }
  ~SwitchHookPause() { sheet_.afterElementSwitch = std::move(hook_); }
  SwitchHookPause(const SwitchHookPause&) = delete;
  SwitchHookPause& operator=(const SwitchHookPause&) = delete;

 private:
  CvSheet& sheet_;
  std::function<void(int)> hook_;
};

struct LoadContext {
  CvSheet& sheet;
  const CvFileLines& lines;
  LoadReporter& reporter;
  const CvReadServices& services;
  fs::path folder;

  const std::optional<std::string>& value(int line) const {
    return lines.values[static_cast<std::size_t>(line)];
  }
};

bool applyElements(LoadContext& c) {
  const std::string digits = c.value(cvLineElements).value_or("");
  c.sheet.state.fileElemstat = digits;
  try {
    for (int element = 0; element < elementCount; ++element)
      if (element <= vehicleElement || element == nationalityElement) switchElement(c.sheet, element, 0);
    for (int element = 0; element < elementCount; ++element) {
      const char digit = static_cast<std::size_t>(element) < digits.size() ? digits[element] : '0';
      int state = digit == '1' ? 1 : 0;
      if (element == contactOptionElement && digit == '2') state = 2;
      switchElement(c.sheet, element, state);
    }
  } catch (const std::exception&) {
    return c.reporter.problem(catalogue::text(c.sheet.state.language, messageElements));
  }
  return true;
}

// Checks the button of `index` among `names` when it is one of them; other indexes leave them.
template <std::size_t N>
void checkButton(CvSheet& sheet, const std::array<std::string_view, N>& names, int index) {
  if (index < 0 || index >= static_cast<int>(N)) return;
  for (std::size_t i = 0; i < N; ++i) sheet[names[i]].checked = static_cast<int>(i) == index;
}

bool applyButtons(LoadContext& c) {
  bool numbers = true;
  // The index a button line holds; a line that is missing leaves its buttons as they are.
  const auto index = [&](int line) -> std::optional<int> {
    if (!c.value(line)) return std::nullopt;
    const std::optional<int> number = tryParseInteger(*c.value(line));
    numbers = numbers && number.has_value();
    return number;
  };
  if (const auto civility = index(cvLineCivility)) checkButton(c.sheet, civilityButtons, *civility);
  if (const auto vehicle = index(cvLineVehicle)) checkButton(c.sheet, vehicleButtons, *vehicle);
  if (const auto& licences = c.value(cvLineLicences)) {
    for (int box = 0; box < licenceBoxCount; ++box)
      c.sheet["CheckBox" + std::to_string(firstLicenceBox + box)].checked =
          static_cast<std::size_t>(box) < licences->size() &&
          (*licences)[static_cast<std::size_t>(box)] == '1';
  }
  return numbers || c.reporter.problem(catalogue::text(c.sheet.state.language, messageButtons));
}

void applyTexts(LoadContext& c) {
  for (std::size_t i = 0; i < fieldsInFileOrder.size(); ++i)
    if (const auto& text = c.value(cvLineFirstField + static_cast<int>(i)))
      c.sheet[fieldsInFileOrder[i]].text = *text;
  for (int zone = 1; zone <= zoneCount; ++zone)
    if (const auto& title = c.value(cvLineZone1Title + zone - 1))
      c.sheet[zoneNames(zone).title].text = *title;
}

// The percentage was held to its list's range when the lines were read.
void scale(int& length, const std::string& percentage) {
  length = roundToInt(length * (parseInteger(percentage) / 100.0));
}

void applyPercentages(LoadContext& c) {
  CvEditorState& state = c.sheet.state;
  if (const auto& width = c.value(cvLineWidthPercent)) {
    state.widthPercentage = *width;
    scale(c.sheet.window().width, *width);
  }
  if (const auto& height = c.value(cvLineHeightPercent)) {
    state.heightPercentage = *height;
    scale(c.sheet.window().height, *height);
  }
}

void applyLanguage(LoadContext& c) {
  const std::string code = c.value(cvLineLanguage).value_or("").substr(0, 2);
  std::optional<Language> language = languageOfCode(code);
  if (!language) {
    // This message is French whatever the editor's language, as the file's own labels are.
    if (c.reporter.mode() != CvReportMode::Silent)
      c.services.prompter.show(MessageKind::Warning, catalogue::text(Language::French, messageBadLanguage));
    language = Language::French;
  }
  if (*language == c.sheet.state.language) return;
  c.sheet.caption(*language);
  // The zone titles just read are the user's words, not captions of the editor's language.
  for (int zone = 1; zone <= zoneCount; ++zone)
    if (const auto& title = c.value(cvLineZone1Title + zone - 1))
      c.sheet[zoneNames(zone).title].text = *title;
}

// The font of the four lines from `first` on, over `font`; a missing line leaves its part.
FontSpec fontFromLines(const LoadContext& c, int first, FontSpec font) {
  if (const auto& name = c.value(first)) font.name = *name;
  if (const auto& size = c.value(first + 1)) font.size = static_cast<std::int16_t>(parseInteger(*size));
  if (const auto& colour = c.value(first + 2)) font.colour = static_cast<Colour>(parseInteger(*colour));
  font.style = {};
  const std::string flags = c.value(first + 3).value_or("");
  font.style.bold = flags.size() > 0 && flags[0] == '1';
  font.style.italic = flags.size() > 1 && flags[1] == '1';
  font.style.underline = flags.size() > 2 && flags[2] == '1';
  return font;
}

std::string styleFlagsOf(const FontStyle& style) {
  return std::string{style.bold ? '1' : '0', style.italic ? '1' : '0', style.underline ? '1' : '0'};
}

void applyFonts(LoadContext& c) {
  CvFonts& fonts = c.sheet.state.fonts;
  // The zone font is read first so that the form font's re-layout gives the fields their final font.
  fonts.zone = fontFromLines(c, cvLineZoneFontName, fonts.zone);
  fonts.zoneStyleFlags = styleFlagsOf(fonts.zone.style);
  applyFormFont(c.sheet, fontFromLines(c, cvLineFormFontName, fonts.form), c.services.metrics);
}

void applyBackground(LoadContext& c) {
  const std::optional<int> colour = tryParseInteger(c.value(cvLineBackground).value_or(""));
  if (colour && *colour > lowestBackground) setBackgroundColour(c.sheet, static_cast<Colour>(*colour));
}

bool fileExists(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

// The file a recorded name stands for: as written (relative to the CV's folder), else its bare file
// name in that folder; nothing when neither exists.
std::optional<fs::path> findRecorded(const LoadContext& c, const std::string& recorded) {
  if (recorded.empty()) return std::nullopt;
  const fs::path written = nativePath(recorded);
  const fs::path asWritten = (written.is_absolute() ? written : c.folder / written).lexically_normal();
  if (fileExists(asWritten)) return asWritten;
  const fs::path bare = c.folder / written.filename();
  if (written.has_filename() && fileExists(bare)) return bare;
  return std::nullopt;
}

std::string recordedName(const LoadContext& c, int line) {
  return std::string(trimLeadingBlanks(c.value(line).value_or("")));
}

bool applyZoneFiles(LoadContext& c) {
  const Language language = c.sheet.state.language;
  for (int zone = 1; zone <= zoneCount; ++zone) {
    const std::string recorded = recordedName(c, cvLineZone1File + zone - 1);
    if (recorded.empty() && c.reporter.mode() == CvReportMode::Silent) continue;
    const std::optional<fs::path> found = findRecorded(c, recorded);
    if (!found) {
      const std::string text = catalogue::text(language, messageZoneMissing) + std::to_string(zone) +
                               catalogue::text(language, messageZoneMissingEnd);
      if (!c.reporter.problem(text)) return false;
      switchElement(c.sheet, zone1Element + zone - 1, 0);
      continue;
    }
    RichText text = c.sheet[zoneNames(zone).text].richText;
    if (!c.services.companions.loadCompanion(static_cast<TextKind>(zone), utf8Path(*found), text)) {
      if (!c.reporter.problem(catalogue::text(language, messageFiles))) return false;
      continue;
    }
    setZoneText(c.sheet, zone, text);
  }
  return true;
}

bool applyPhoto(LoadContext& c) {
  const std::string recorded = recordedName(c, cvLinePhoto);
  if (recorded.empty() && c.reporter.mode() != CvReportMode::Ask) return true;
  const std::optional<fs::path> found = findRecorded(c, recorded);
  if (!found) {
    if (!c.reporter.problem(catalogue::text(c.sheet.state.language, messagePhotoMissing))) return false;
    switchElement(c.sheet, photoElement, 0);
    return true;
  }
  c.sheet.state.photoFile = utf8Path(*found);
  // Read as "charger photo" reads it: a bitmap that cannot be read is told, and its frame is not shown
  // empty.
  if (putPhoto(c.sheet["zImage1"], c.sheet.state.photoFile, c.sheet.window().colour, c.services.pictures))
    return true;
  if (!c.reporter.problem(catalogue::text(c.sheet.state.language, photoUnreadableMessage))) return false;
  switchElement(c.sheet, photoElement, 0);
  return true;
}

}  // namespace

bool loadCvFile(CvSheet& sheet, CvFileSession& session, const std::string& path, CvReportMode mode,
                const CvReadServices& services) {
  if (utf8Length(path) < shortestName) {
    services.prompter.show(MessageKind::Error, catalogue::text(sheet.state.language, messageBadName));
    return false;
  }
  // The names the file records are kept as found: from a folder given relative to the current one
  // they would point elsewhere once saved beside another file.
  std::error_code error;
  fs::path file = fs::absolute(nativePath(path), error);
  if (error) file = nativePath(path);
  const std::optional<std::vector<std::string>> fileLines = readLines(file);
  if (!fileLines) {
    services.prompter.show(MessageKind::Error, catalogue::fileNotAccessible(sheet.state.language, path));
    return false;
  }
  services.companions.language = sheet.state.language;

  CvFileLines lines = parseCvFileLines(*fileLines);
  const std::vector<HeldValue> held = holdToRanges(lines);
  LoadReporter reporter(mode, services.prompter);
  for (std::size_t i = 0; i < lines.linesWithoutColon.size(); ++i)
    if (!reporter.problem(catalogue::text(sheet.state.language, messageNoColon))) return false;

  const SwitchHookPause pause(sheet);
  LoadContext context{sheet, lines, reporter, services, file.parent_path()};
  if (!applyElements(context) || !applyButtons(context)) return false;
  applyTexts(context);
  applyPercentages(context);
  applyLanguage(context);
  services.companions.language = sheet.state.language;
  applyFonts(context);
  applyBackground(context);
  try {
    if (!applyZoneFiles(context) || !applyPhoto(context)) return false;
  } catch (const std::exception&) {
    if (!reporter.problem(catalogue::text(sheet.state.language, messageFiles))) return false;
  }

  if (sheet.window().height < loadedWindowHeight) sheet.window().height = loadedWindowHeight;
  sheet.state.cvLoaded = true;
  if (session.rememberedFile.empty()) session.rememberedFile = path;
  // The file still holds the values read where the sheet keeps others: a change to save.
  sheet.state.savedContent = fileContentOf(sheet);
  for (const HeldValue& value : held)
    sheet.state.savedContent->values[static_cast<std::size_t>(value.line)] = value.read;
  if (!held.empty() && mode != CvReportMode::Silent)
    services.prompter.show(MessageKind::Information, heldValuesMessage(held, sheet.state.language));
  return true;
}

}  // namespace orvane::minicv
