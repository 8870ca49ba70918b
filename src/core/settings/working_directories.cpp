#include "settings/working_directories.h"

namespace orvane {

namespace {
std::size_t slotOf(SettingKind kind) { return static_cast<std::size_t>(kind); }
}  // namespace

WorkingDirectories::WorkingDirectories(Settings& settings) : settings_(settings) {}

void WorkingDirectories::load() {
  for (const SettingDefinition& definition : settingDefinitions) {
    directories_[slotOf(definition.kind)] = settings_.readSetting(definition.kind);
  }
}

const std::string& WorkingDirectories::directory(SettingKind kind) const {
  return directories_[slotOf(kind)];
}

void WorkingDirectories::remember(SettingKind kind, std::string_view path) {
  directories_[slotOf(kind)] = settings_.writeSetting(kind, path);
}

void WorkingDirectories::applyChooserOutcome(const std::optional<std::string>& chosen) {
  if (!chosen) {
    workingDirectory_ = WorkingDirectory{settings_.rootDirectory(), false};
    return;
  }
  workingDirectory_ = WorkingDirectory{cutToSettingLength(*chosen), true};
  remember(SettingKind::ParametersDirectory, workingDirectory_->path);
}

}  // namespace orvane
