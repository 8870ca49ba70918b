#include "minicv/editor_commands.h"

#include <cstdio>
#include <filesystem>
#include <vector>

#include "catalogue/catalogue.h"
#include "minicv/cv_sheet.h"
#include "minicv/photo.h"
#include "minicv/zone_layout.h"
#include "text/file_path.h"

namespace orvane::minicv {

namespace {

constexpr int zoneHeadings[] = {42, 43, 44, 45};

/// The zone number an answer starts with, 1 to 4.
std::optional<int> zoneNumber(const std::string& answer) {
  if (answer.empty() || answer[0] < '1' || answer[0] > '4') return std::nullopt;
  return answer[0] - '0';
}

std::string photoFolder(WorkingDirectories& directories) {
  // An images directory never chosen is the settings' root: the parameters directory says more.
  const std::string& folder = directories.directory(SettingKind::ImagesDirectory);
  if (folder == directories.settings().rootDirectory())
    return directories.directory(SettingKind::ParametersDirectory);
  return folder;
}

}  // namespace

bool titresdescadres1Click(ControlTree& tree, InputQuery& query, Language language) {
  const std::string title = catalogue::text(language, 110);
  std::optional<int> zone;
  while (!zone) {
    const std::optional<std::string> answer = query.ask(title, catalogue::text(language, 111), {});
    if (!answer) return false;
    zone = zoneNumber(*answer);
  }
  const std::optional<std::string> newTitle =
      query.ask(title, catalogue::text(language, 123), catalogue::text(language, zoneHeadings[*zone - 1]));
  if (!newTitle) return false;
  const ZoneNames names = zoneNames(*zone);
  tree[names.title].text = *newTitle;
  tree[names.text].hint = *newTitle;
  return true;
}

std::optional<Image> chargerphoto1Click(ControlTree& tree, std::string& photoFile, Colour background,
                                        const PhotoServices& services, Language language) {
  FileDialogRequest request;
  request.filter = "fichiers bmp|*.bmp";
  request.initialFolder = photoFolder(services.directories);
  request.defaultExtension = "bmp";
  for (;;) {
    const std::optional<ChosenFile> chosen = services.dialogs.openFile(request);
    if (!chosen) return std::nullopt;
    if (extensionDiffers(chosen->path, "bmp")) {
      const Answer again =
          services.prompter.show(MessageKind::Confirmation, catalogue::text(language, 105), Buttons::YesNo);
      if (again == Answer::Yes) continue;
      return std::nullopt;
    }
    std::error_code error;
    if (!std::filesystem::is_regular_file(nativePath(chosen->path), error)) {
      photoFile.clear();
      continue;
    }
    photoFile = chosen->path;
    services.directories.remember(SettingKind::ImagesDirectory,
                                  utf8Path(nativePath(chosen->path).parent_path()));
    break;
  }
  Control& image = tree["zImage1"];
  std::optional<Image> photo = putPhoto(image, photoFile, background, services.pictures);
  if (!photo) {
    services.prompter.show(MessageKind::Error, catalogue::text(language, photoUnreadableMessage));
    return std::nullopt;
  }
  image.visible = true;
  return photo;
}

void setBackgroundColour(CvSheet& sheet, Colour colour) {
  // A control that shows its parent's colour follows it; parents come first in the tree.
  std::vector<Colour> previous;
  for (ControlId id = 0; id < static_cast<ControlId>(sheet.tree.size()); ++id) {
    Control& control = sheet.tree.at(id);
    previous.push_back(control.colour);
    if (control.parent == noControl)
      control.colour = colour;
    else if (control.colour == previous[static_cast<std::size_t>(control.parent)])
      control.colour = sheet.tree.at(control.parent).colour;
  }
}

std::string htmlColour(Colour colour) {
  // The colours the colour constants name are written by that name, which browsers know too.
  static constexpr std::pair<Colour, const char*> named[] = {
      {rgb(0, 0, 0), "Black"},       {rgb(128, 0, 0), "Maroon"},         {rgb(0, 128, 0), "Green"},
      {rgb(128, 128, 0), "Olive"},   {rgb(0, 0, 128), "Navy"},           {rgb(128, 0, 128), "Purple"},
      {rgb(0, 128, 128), "Teal"},    {rgb(128, 128, 128), "Gray"},       {rgb(192, 192, 192), "Silver"},
      {rgb(255, 0, 0), "Red"},       {rgb(0, 255, 0), "Lime"},           {rgb(255, 255, 0), "Yellow"},
      {rgb(0, 0, 255), "Blue"},      {rgb(255, 0, 255), "Fuchsia"},      {rgb(0, 255, 255), "Aqua"},
      {rgb(255, 255, 255), "White"}, {rgb(192, 220, 192), "MoneyGreen"}, {rgb(166, 202, 240), "SkyBlue"},
      {rgb(255, 251, 240), "Cream"}, {rgb(160, 160, 164), "MedGray"},
  };
  for (const auto& [value, name] : named)
    if (value == colour) return name;
  char digits[7];
  std::snprintf(digits, sizeof digits, "%02X%02X%02X", redOf(colour), greenOf(colour), blueOf(colour));
  return digits;
}

bool askHideWhenPrinting(Prompter& prompter, int message, Language language) {
  return prompter.show(MessageKind::Confirmation, catalogue::text(language, message), Buttons::YesNo) ==
         Answer::Yes;
}

bool mayLeaveEditor(Prompter& prompter, bool unsavedChanges, Language language) {
  if (!unsavedChanges) return true;
  return prompter.show(MessageKind::Confirmation, catalogue::text(language, 169), Buttons::OkCancel) ==
         Answer::Ok;
}

}  // namespace orvane::minicv
