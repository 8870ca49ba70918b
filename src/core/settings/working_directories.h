#pragma once
// The directories the file dialogs open in, and the working directory chosen during this run.

#include <array>
#include <optional>
#include <string>

#include "settings/settings.h"

namespace orvane {

/// The parameters directory picked with "répertoire de travail" during this run.
struct WorkingDirectory {
  std::string path;
  bool chosen = false;
};

class WorkingDirectories {
 public:
  explicit WorkingDirectories(Settings& settings);

  /// Reads every directory setting from the store (at start).
  void load();
  /// The directory of `kind` as last read or remembered.
  const std::string& directory(SettingKind kind) const;
  /// Stores `path` as the directory of `kind` and keeps it for this run, even when the store refused
  /// it (the refusal has been reported).
  void remember(SettingKind kind, std::string_view path);

  /// Unset until the directory chooser of "répertoire de travail" has been closed once.
  const std::optional<WorkingDirectory>& workingDirectory() const { return workingDirectory_; }
  /// "répertoire de travail" after the chooser closed: `chosen` is its directory after OK, nothing
  /// after cancel, which leaves the stored parameters directory as it was.
  void applyChooserOutcome(const std::optional<std::string>& chosen);

  Settings& settings() { return settings_; }

 private:
  Settings& settings_;
  std::array<std::string, settingDefinitions.size()> directories_;
  std::optional<WorkingDirectory> workingDirectory_;
};

}  // namespace orvane
