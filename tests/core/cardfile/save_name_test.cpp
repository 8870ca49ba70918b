#include "cardfile/save_name.h"

#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "support/scripted_services.h"
#include "temporary_folder.h"

namespace orvane {

using orvane::testing::readBytes;
using orvane::testing::TemporaryFolder;
using orvane::testing::writeBytes;

class SaveNameTest : public ::testing::Test {
 protected:
  std::string existing(const std::string& name) {
    writeBytes(folder.path() / name, "old " + name);
    return folder.file(name);
  }
  std::optional<SaveName> resolve(const std::string& name, bool extensionDiffers = false) {
    return resolveSaveName({folder.file(name), ".ov1", "carte", extensionDiffers}, Language::French,
                           prompter);
  }

  TemporaryFolder folder;
  ScriptedPrompter prompter;
};

TEST_F(SaveNameTest, IndexedCandidatesRaiseTheTrailingNumber) {
  existing("carte.ov1");
  existing("carte1.ov1");
  EXPECT_EQ(indexedCandidate(folder.file("carte.ov1"), ".ov1"), folder.file("carte2.ov1"));
  existing("carte7.ov1");
  EXPECT_EQ(indexedCandidate(folder.file("carte7.ov1"), ".ov1"), folder.file("carte8.ov1"));
  existing("carte9.ov1");
  EXPECT_EQ(indexedCandidate(folder.file("carte9.ov1"), ".ov1"), folder.file("carte10.ov1"));
  EXPECT_EQ(indexedCandidate(folder.file("carte19.ov1"), ".ov1"), folder.file("carte20.ov1"));
  existing("carte20.ov1");
  EXPECT_EQ(indexedCandidate(folder.file("carte19.ov1"), ".ov1"), folder.file("carte21.ov1"));
  // Two or more trailing digits count as two.
  EXPECT_EQ(indexedCandidate(folder.file("x123.ov1"), ".ov1"), folder.file("x124.ov1"));
  // A name shorter than an extension never eats into its folder.
  EXPECT_EQ(indexedCandidate(folder.file("ab"), ".ov1"), folder.file("1.ov1"));
}

TEST_F(SaveNameTest, AnExistingFileAsksWhetherToReplaceIt) {
  existing("carte.txt");
  const auto kept = resolve("carte.txt");
  ASSERT_TRUE(kept);
  EXPECT_EQ(kept->target, folder.file("carte1.ov1"));
  EXPECT_EQ(kept->mode, SaveMode::Replace);
  EXPECT_EQ(kept->companionBase, "carte");
  EXPECT_EQ(kept->folder, folder.file(""));
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, catalogue::text(Language::French, 1143));
  EXPECT_EQ(prompter.shown[0].kind, MessageKind::Warning);
  EXPECT_EQ(prompter.shown[0].buttons, Buttons::YesNoCancel);
  EXPECT_EQ(prompter.shown[0].helpContext, 9);

  prompter.answers = {Answer::No, Answer::Cancel};
  const auto indexed = resolve("carte.txt");
  ASSERT_TRUE(indexed);
  EXPECT_EQ(indexed->target, folder.file("carte1.ov1"));
  EXPECT_EQ(indexed->mode, SaveMode::New);
  EXPECT_EQ(indexed->companionBase, "carte1");
  EXPECT_FALSE(resolve("carte.txt"));
}

TEST_F(SaveNameTest, ANewFileWithAnotherExtensionNeedsConsent) {
  const auto plain = resolve("carte.ov1");
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->target, folder.file("carte.ov1"));
  EXPECT_EQ(plain->mode, SaveMode::New);
  EXPECT_EQ(plain->companionBase, "carte");
  EXPECT_TRUE(prompter.shown.empty());

  prompter.answers = {Answer::Yes, Answer::No};
  ASSERT_TRUE(resolve("carte.txt", true));
  EXPECT_EQ(prompter.shown.at(0).text, catalogue::format(Language::French, 1144, ".ov1", "carte"));
  EXPECT_EQ(prompter.shown.at(0).buttons, Buttons::YesNo);
  EXPECT_EQ(prompter.shown.at(0).helpContext, 9);
  EXPECT_FALSE(resolve("carte.txt", true));
}

TEST_F(SaveNameTest, ReplacingMovesTheNewFileOverTheOld) {
  const std::string chosen = existing("carte.ov1");
  const std::string fresh = existing("carte1.ov1");
  EXPECT_TRUE(replaceWithNewFile(chosen, fresh, Language::French, prompter));
  EXPECT_EQ(readBytes(chosen), "old carte1.ov1");
  EXPECT_FALSE(std::filesystem::exists(fresh));
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(SaveNameTest, AFailedReplaceKeepsBothFiles) {
  // A folder that holds a file cannot be replaced by a file.
  std::filesystem::create_directory(folder.path() / "carte.ov1");
  const std::string chosen = existing("carte.ov1/inside.txt");
  const std::string fresh = existing("carte1.ov1");
  EXPECT_FALSE(replaceWithNewFile(folder.file("carte.ov1"), fresh, Language::French, prompter));
  EXPECT_EQ(readBytes(chosen), "old carte.ov1/inside.txt");
  EXPECT_EQ(readBytes(fresh), "old carte1.ov1");
  EXPECT_EQ(prompter.texts(), std::vector<std::string>(
                                  {"Un fichier déjà présent du nom " + folder.file("carte.ov1") +
                                   "n'a pu être remplacé. Le nouveau fichier créé a été nommé :" + fresh}));
}

}  // namespace orvane
