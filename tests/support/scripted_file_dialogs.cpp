#include "support/scripted_file_dialogs.h"

namespace orvane {

void ScriptedFileDialogs::choose(const std::string& path, std::string_view defaultExtension) {
  choices.push_back(ChosenFile{path, extensionDiffers(path, defaultExtension)});
}

std::optional<ChosenFile> ScriptedFileDialogs::openFile(const FileDialogRequest& request) {
  openRequests.push_back(request);
  return next();
}

std::optional<ChosenFile> ScriptedFileDialogs::saveFile(const FileDialogRequest& request) {
  saveRequests.push_back(request);
  return next();
}

std::optional<ChosenFile> ScriptedFileDialogs::next() {
  if (choices.empty()) return std::nullopt;
  std::optional<ChosenFile> chosen = std::move(choices.front());
  choices.pop_front();
  return chosen;
}

}  // namespace orvane
