#include "settings/settings.h"

#include <gtest/gtest.h>

#include "settings/working_directories.h"
#include "support/scripted_services.h"

namespace orvane {

namespace {

const std::string parametersName = "Répertoire paramêtres";

struct SettingsFixture : ::testing::Test {
  ScriptedSettingsStore store;
  ScriptedPrompter prompter;
  Settings settings{store, prompter, "c:\\"};
  WorkingDirectories directories{settings};
};

}  // namespace

TEST_F(SettingsFixture, FirstRunGivesTheRootDirectoryAndAnEmptyExportDirectory) {
  directories.load();
  EXPECT_EQ(directories.directory(SettingKind::TextsDirectory), "c:\\");
  EXPECT_EQ(directories.directory(SettingKind::ImagesDirectory), "c:\\");
  EXPECT_EQ(directories.directory(SettingKind::ParametersDirectory), "c:\\");
  EXPECT_EQ(directories.directory(SettingKind::ExportDirectory), "");
  EXPECT_FALSE(directories.workingDirectory());
  EXPECT_EQ(store.writeAttempts, 0);

  Settings elsewhere{store, prompter, "/home/lucie/"};
  EXPECT_EQ(elsewhere.readSetting(SettingKind::ImagesDirectory), "/home/lucie/");
}

TEST_F(SettingsFixture, StoredValuesAreReadUnderTheirOwnNames) {
  store.values = {{"Répertoire de textes", "d:\\textes\\"},
                  {"Répertoire images", "d:\\images\\"},
                  {parametersName, "d:\\cartes\\"},
                  {"Répertoire exportation", "d:\\web\\"}};
  directories.load();
  EXPECT_EQ(directories.directory(SettingKind::TextsDirectory), "d:\\textes\\");
  EXPECT_EQ(directories.directory(SettingKind::ImagesDirectory), "d:\\images\\");
  EXPECT_EQ(directories.directory(SettingKind::ParametersDirectory), "d:\\cartes\\");
  EXPECT_EQ(directories.directory(SettingKind::ExportDirectory), "d:\\web\\");
}

TEST_F(SettingsFixture, WritesDropBlanksAndControlCharactersAtBothEnds) {
  settings.writeSetting(SettingKind::TextsDirectory, " \t\r\n  d:\\mes textes\\ \x7F\x01");
  EXPECT_EQ(store.values.at("Répertoire de textes"), "d:\\mes textes\\");
  settings.writeSetting(SettingKind::ExportDirectory, " \t ");
  EXPECT_EQ(store.values.at("Répertoire exportation"), "");
}

TEST_F(SettingsFixture, ValuesHoldAtMost255CharactersNotBytes) {
  const std::string accented = "é";  // two bytes, one character
  std::string longPath;
  for (int i = 0; i < 300; ++i) longPath += accented;
  settings.writeSetting(SettingKind::ImagesDirectory, longPath);
  EXPECT_EQ(store.values.at("Répertoire images").size(), 255u * accented.size());

  store.values[parametersName] = std::string(400, 'x');
  EXPECT_EQ(settings.readSetting(SettingKind::ParametersDirectory), std::string(255, 'x'));

  // A blank that the cut brings to the end is dropped as well.
  settings.writeSetting(SettingKind::TextsDirectory, std::string(254, 'a') + " b");
  EXPECT_EQ(store.values.at("Répertoire de textes"), std::string(254, 'a'));
}

TEST_F(SettingsFixture, ARefusedWriteIsReportedAndTheRunGoesOn) {
  store.values[parametersName] = "d:\\avant\\";
  store.refuseWrites = true;
  directories.remember(SettingKind::ParametersDirectory, "d:\\après\\");
  ASSERT_EQ(prompter.texts(), std::vector<std::string>{"Orvane : écriture en registre refusée"});
  EXPECT_EQ(prompter.shown[0].kind, MessageKind::Information);
  EXPECT_EQ(prompter.shown[0].buttons, Buttons::Ok);
  EXPECT_EQ(directories.directory(SettingKind::ParametersDirectory), "d:\\après\\");
  EXPECT_EQ(store.values.at(parametersName), "d:\\avant\\");
}

TEST_F(SettingsFixture, ChooserOkSetsAndStoresTheWorkingDirectory) {
  directories.applyChooserOutcome("  d:\\cartes");
  ASSERT_TRUE(directories.workingDirectory());
  EXPECT_EQ(directories.workingDirectory()->path, "  d:\\cartes");
  EXPECT_TRUE(directories.workingDirectory()->chosen);
  // A directory name with leading blanks is stored without them.
  EXPECT_EQ(store.values.at(parametersName), "d:\\cartes");
  EXPECT_EQ(directories.directory(SettingKind::ParametersDirectory), "d:\\cartes");

  directories.applyChooserOutcome(std::string(300, 'd'));
  EXPECT_EQ(directories.workingDirectory()->path, std::string(255, 'd'));
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(SettingsFixture, ChooserCancelResetsTheWorkingDirectoryAndStoresNothing) {
  store.values[parametersName] = "d:\\cartes\\";
  directories.applyChooserOutcome("e:\\autres");
  directories.applyChooserOutcome(std::nullopt);
  ASSERT_TRUE(directories.workingDirectory());
  EXPECT_EQ(directories.workingDirectory()->path, "c:\\");
  EXPECT_FALSE(directories.workingDirectory()->chosen);
  EXPECT_EQ(store.writeAttempts, 1);
  EXPECT_EQ(store.values.at(parametersName), "e:\\autres");
}

}  // namespace orvane
