#include "settings/settings.h"

#include <algorithm>
#include <utility>

#include "text/utf8.h"

namespace orvane {

namespace {
bool isBlankOrControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte <= ' ' || byte == 0x7F;
}
}  // namespace

const SettingDefinition& settingDefinition(SettingKind kind) {
  return *std::find_if(settingDefinitions.begin(), settingDefinitions.end(),
                       [kind](const SettingDefinition& definition) { return definition.kind == kind; });
}

std::string trimBlanksAndControls(std::string_view text) {
  const auto first = std::find_if_not(text.begin(), text.end(), isBlankOrControl);
  const auto last =
      std::find_if_not(text.rbegin(), std::make_reverse_iterator(first), isBlankOrControl).base();
  return std::string(first, last);
}

std::string cutToSettingLength(std::string_view text) {
  return std::string(text.substr(0, utf8Offset(text, settingMaxLength)));
}

Settings::Settings(SettingsStore& store, Prompter& prompter, std::string rootDirectory)
    : store_(store), prompter_(prompter), rootDirectory_(std::move(rootDirectory)) {}

std::string Settings::readSetting(SettingKind kind) const {
  const SettingDefinition& definition = settingDefinition(kind);
  if (const auto stored = store_.read(std::string(definition.valueName))) return cutToSettingLength(*stored);
  return definition.fallback == SettingFallback::RootDirectory ? rootDirectory_ : std::string();
}

std::string Settings::writeSetting(SettingKind kind, std::string_view text) {
  // Trimmed again after the cut, which can leave a blank at the new end.
  const std::string value = trimBlanksAndControls(cutToSettingLength(trimBlanksAndControls(text)));
  if (!store_.write(std::string(settingDefinition(kind).valueName), value)) {
    prompter_.show(MessageKind::Information, std::string(settingWriteRefused), Buttons::Ok);
  }
  return value;
}

}  // namespace orvane
