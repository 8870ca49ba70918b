#pragma once
// The directories the program remembers between runs: one table of the settings with their value
// names and defaults, and the rules every read and write of them follows.

#include <array>
#include <string>
#include <string_view>

#include "services/prompter.h"
#include "services/settings_store.h"

namespace orvane {

enum class SettingKind { TextsDirectory, ImagesDirectory, ParametersDirectory, ExportDirectory };

/// What a setting reads as before anything has been stored.
enum class SettingFallback { RootDirectory, Empty };

struct SettingDefinition {
  SettingKind kind;
  std::string_view valueName;
  SettingFallback fallback;
};

// Earlier versions wrote these value names; they are kept letter for letter so that their
// settings still count.
inline constexpr std::array<SettingDefinition, 4> settingDefinitions{{
    {SettingKind::TextsDirectory, "Répertoire de textes", SettingFallback::RootDirectory},
    {SettingKind::ImagesDirectory, "Répertoire images", SettingFallback::RootDirectory},
    {SettingKind::ParametersDirectory, "Répertoire paramêtres", SettingFallback::RootDirectory},
    {SettingKind::ExportDirectory, "Répertoire exportation", SettingFallback::Empty},
}};

/// The most characters a setting holds, on reading and on writing.
inline constexpr int settingMaxLength = 255;

/// Shown when the store refuses a write; the same text in every interface language.
inline constexpr std::string_view settingWriteRefused = "Orvane : écriture en registre refusée";

const SettingDefinition& settingDefinition(SettingKind kind);

/// `text` without its blanks and control characters at either end.
std::string trimBlanksAndControls(std::string_view text);

/// The first `settingMaxLength` characters of `text`.
std::string cutToSettingLength(std::string_view text);

class Settings {
 public:
  /// `rootDirectory` is where the directory settings start: "c:\" on systems with drive letters,
  /// the user's home directory (with its trailing separator) elsewhere.
  Settings(SettingsStore& store, Prompter& prompter, std::string rootDirectory);

  /// The stored value of `kind`, or its default when none has been stored.
  std::string readSetting(SettingKind kind) const;
  /// Stores `text` trimmed and cut to length, and returns what was stored. A refused write is
  /// reported and otherwise ignored: the caller goes on as if the value had been stored.
  std::string writeSetting(SettingKind kind, std::string_view text);

  const std::string& rootDirectory() const { return rootDirectory_; }

 private:
  SettingsStore& store_;
  Prompter& prompter_;
  std::string rootDirectory_;
};

}  // namespace orvane
