#include "minicv/cv_file_save.h"

#include <filesystem>
#include <system_error>

#include "cardfile/save_name.h"
#include "catalogue/catalogue.h"
#include "minicv/zone_layout.h"
#include "text/file_path.h"
#include "text/line_file.h"

namespace orvane::minicv {

namespace {

constexpr std::string_view standardExtension = ".ov4";
constexpr std::string_view fileKind = "Mini-CV";
constexpr std::string_view saveTitle = "définir le fichier paramêtre du mini-cv : ";
// The folder beside the parameter file that holds the zone files.
constexpr std::string_view elementFolder = "element";

// The index of the first checked button among `names`, -1 when none is.
template <std::size_t N>
int checkedIndex(const CvSheet& sheet, const std::array<std::string_view, N>& names) {
  for (std::size_t i = 0; i < N; ++i)
    if (sheet[names[i]].checked) return static_cast<int>(i);
  return -1;
}

std::string styleFlags(const FontStyle& style) {
  return std::string{style.bold ? '1' : '0', style.italic ? '1' : '0', style.underline ? '1' : '0'};
}

std::string percentage(const std::string& value) { return value.empty() ? "100" : value; }

std::string zoneFileName(int zone, std::string_view companionBase) {
  return "R" + std::to_string(zone) + std::string(companionBase) + ".rtf";
}

void showWriteFailure(Prompter& prompter, Language language, const std::string& path) {
  prompter.show(MessageKind::Error, catalogue::fileNotAccessible(language, path));
}

}  // namespace

std::string recordedZoneFilePath(int zone, std::string_view companionBase) {
  return ".\\" + std::string(elementFolder) + "\\" + zoneFileName(zone, companionBase);
}

bool zoneFileNamesRecordable(std::string_view companionBase) {
  for (int zone = 1; zone <= zoneCount; ++zone)
    if (!writtenWhole(std::string(cvLineLabel(cvLineZone1File + zone - 1)) +
                      recordedZoneFilePath(zone, companionBase)))
      return false;
  return true;
}

std::array<std::string, cvLineCount> cvFileValues(const CvSheet& sheet, std::string_view companionBase) {
  const CvEditorState& state = sheet.state;
  std::array<std::string, cvLineCount> values;
  values[cvLineElements] = formatElementStates(state.elemstat);
  values[cvLineCivility] = std::to_string(checkedIndex(sheet, civilityButtons));
  for (std::size_t i = 0; i < fieldsInFileOrder.size(); ++i)
    values[cvLineFirstField + i] = sheet[fieldsInFileOrder[i]].text;
  values[cvLineVehicle] = std::to_string(checkedIndex(sheet, vehicleButtons));
  for (int box = 0; box < licenceBoxCount; ++box)
    values[cvLineLicences] += sheet["CheckBox" + std::to_string(firstLicenceBox + box)].checked ? '1' : '0';
  for (int zone = 1; zone <= zoneCount; ++zone)
    values[cvLineZone1File + zone - 1] = recordedZoneFilePath(zone, companionBase);
  values[cvLineWidthPercent] = percentage(state.widthPercentage);
  values[cvLineHeightPercent] = percentage(state.heightPercentage);
  for (const auto& [first, font] :
       {std::pair{cvLineFormFontName, &state.fonts.form}, std::pair{cvLineZoneFontName, &state.fonts.zone}}) {
    values[first] = font->name;
    values[first + 1] = std::to_string(font->size);
    values[first + 2] = std::to_string(font->colour);
    values[first + 3] = styleFlags(font->style);
  }
  values[cvLinePhoto] = state.photoFile;
  values[cvLineBackground] = std::to_string(sheet.window().colour);
  for (int zone = 1; zone <= zoneCount; ++zone)
    values[cvLineZone1Title + zone - 1] = sheet[zoneNames(zone).title].text;
  values[cvLineLanguage] = std::string(languageCode(state.language));
  return values;
}

bool writeCvFile(const CvSheet& sheet, const std::string& target, std::string_view companionBase,
                 CompanionFiles& companions, Prompter& prompter) {
  const Language language = sheet.state.language;
  if (!zoneFileNamesRecordable(companionBase)) {
    prompter.show(MessageKind::Error, unrecordableNameMessage(language, target));
    return false;
  }
  const std::filesystem::path folder = nativePath(target).parent_path();
  // Without its element folder a save would lose the zone texts, so the save makes it.
  std::error_code error;
  std::filesystem::create_directories(folder / elementFolder, error);

  companions.verbose = sheet.state.verbose;
  companions.language = language;
  for (int zone = 1; zone <= zoneCount; ++zone) {
    const std::string path = utf8Path(folder / elementFolder / zoneFileName(zone, companionBase));
    if (!companions.saveCompanion(sheet[zoneNames(zone).text].richText, path)) {
      showWriteFailure(prompter, language, path);
      return false;
    }
  }
  if (!writeLines(nativePath(target), cvFileLines(cvFileValues(sheet, companionBase))).ok()) {
    showWriteFailure(prompter, language, target);
    return false;
  }
  return true;
}

SavedCvFile saveCvFileAs(const CvSheet& sheet, const ChosenFile& chosen, CompanionFiles& companions,
                         Prompter& prompter) {
  SavedCvFile outcome;
  const SaveNameRequest request{chosen.path, std::string(standardExtension), std::string(fileKind),
                                chosen.extensionDiffers};
  const std::optional<SaveName> name = resolveSaveName(request, sheet.state.language, prompter);
  if (!name) return outcome;
  outcome.parametersDirectory = name->folder;
  if (!writeCvFile(sheet, name->target, name->companionBase, companions, prompter)) return outcome;
  outcome.saved = true;
  outcome.path = name->target;
  if (name->mode == SaveMode::Replace &&
      replaceWithNewFile(chosen.path, name->target, sheet.state.language, prompter))
    outcome.path = chosen.path;
  return outcome;
}

SavedCvFile sauvegarder1Click(const CvSheet& sheet, CvFileSession& session, const CvFileServices& services) {
  FileDialogRequest request;
  request.filter = catalogue::text(sheet.state.language, cvFileFilterMessage);
  request.title = saveTitle;
  request.initialFolder = services.directories.directory(SettingKind::ParametersDirectory);
  request.initialName = session.rememberedFile;
  request.defaultExtension = cvDefaultExtension;
  const std::optional<ChosenFile> chosen = services.dialogs.saveFile(request);
  if (!chosen) return {};
  session.rememberedFile = chosen->path;

  SavedCvFile outcome = saveCvFileAs(sheet, *chosen, services.companions, services.prompter);
  if (outcome.parametersDirectory)
    services.directories.remember(SettingKind::ParametersDirectory, *outcome.parametersDirectory);
  return outcome;
}

}  // namespace orvane::minicv
