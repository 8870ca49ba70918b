#pragma once
// The settings store of the real program: the user's own settings of the system, kept by QSettings
// under the organisation "Brevanel" and the application "Orvane".

#include "services/settings_store.h"

namespace orvane {

class QtSettingsStore : public SettingsStore {
 public:
  std::optional<std::string> read(const std::string& name) override;
  bool write(const std::string& name, const std::string& text) override;
};

/// Where the directory settings start before anything is stored: "c:\" where the system has drive
/// letters, the user's home directory with a trailing separator elsewhere.
std::string settingsRootDirectory();

}  // namespace orvane
