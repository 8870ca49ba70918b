#include "shell/frame_text_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "settings/settings.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_services.h"
#include "temporary_folder.h"
#include "text/file_path.h"

namespace orvane {

using orvane::testing::readBytes;

namespace {

const std::string invalidFile = "fichier non valide, voulez-vous recommencer ?";

// The start card, a folder to read and write texts in, and the commands' services.
struct FrameTexts : ::testing::Test {
  testing::TemporaryFolder folder;
  CardModel card;
  ShellState state;
  ScriptedPrompter prompter;
  ScriptedFileDialogs dialogs;
  ScriptedSettingsStore store;
  Settings settings{store, prompter, "/root-of-settings/"};
  WorkingDirectories directories{settings};
  ElementServices services{dialogs, directories, prompter, Language::French};

  void SetUp() override {
    setupStartCard(card, 96);
    directories.load();
  }
  std::string file(const std::string& name, const std::string& bytes) {
    testing::writeBytes(nativePath(folder.file(name)), bytes);
    return folder.file(name);
  }
  bool load(int number, const std::vector<std::string>& chosen) {
    for (const std::string& path : chosen) dialogs.choose(path, "");
    return loadFrameText(card, number, state, services);
  }
  SavedFrameText save(const std::string& path, Answer answer) {
    prompter.answers = {answer};
    dialogs.choose(path, "txt");
    return saveFrameText(card, 1, services);
  }
};

}  // namespace

TEST_F(FrameTexts, TheContentNotTheNameDecidesHowAFileIsRead) {
  FontSpec frameFont;
  frameFont.name = "Arial";
  frameFont.size = 14;
  card.frame(2).text = RichText(frameFont);
  ASSERT_TRUE(load(1, {file("lettre.txt", "{\\rtf1\\ansi {\\b Jean} Dupont\\par Paris}")}));
  EXPECT_EQ(card.frame(1).text.plainText(), "Jean Dupont\nParis");
  EXPECT_TRUE(card.frame(1).text.paragraphs().front().runs.front().format.style.bold);

  card.frame(2).modified = true;
  ASSERT_TRUE(load(2, {file("notes.doc", "Jean Dupont\r\nIng\xE9nieur\r\n")}));
  EXPECT_EQ(card.frame(2).text.plainText(), "Jean Dupont\nIngénieur");
  EXPECT_EQ(card.frame(2).text.paragraphs().back().runs.front().format, frameFont);
  EXPECT_EQ(card.frame(2).frameTextFile, folder.file("notes.doc"));
  EXPECT_FALSE(card.frame(2).modified);
  EXPECT_TRUE(state.anythingLoaded);
  EXPECT_TRUE(store.values.empty());  // a load leaves the texts directory alone

  // Text in UTF-8, with or without a byte-order mark, is read as such; other bytes as Windows-1252.
  ASSERT_TRUE(load(1, {file("utf8.txt", "Anne Lef\xC3\xA8vre\r\nL\xC3\xA9on")}));
  EXPECT_EQ(card.frame(1).text.plainText(), "Anne Lefèvre\nLéon");
  ASSERT_TRUE(load(1, {file("bom.txt",
                            "\xEF\xBB\xBF"
                            "Anne Lef\xC3\xA8vre")}));
  EXPECT_EQ(card.frame(1).text.plainText(), "Anne Lefèvre");
  ASSERT_TRUE(load(1, {file("ansi.txt", "Anne Lef\xE8vre \xC3")}));
  EXPECT_EQ(card.frame(1).text.plainText(), "Anne Lefèvre Ã");
}

TEST_F(FrameTexts, AFileThatCannotBeShownLeavesTheFrameAsItWas) {
  card.frame(1).text = RichText::fromPlainText("avant");
  card.frame(1).frameTextFile = "avant.rtf";
  const std::string binary = file("photo.txt", std::string("BM\0\0\x01\x02", 6));
  const std::string folderNamedLikeText = folder.file("dossier.txt");
  std::filesystem::create_directory(nativePath(folderNamedLikeText));
  const std::string gone = folder.file("parti.txt");

  // Gone since chosen: said so, and the dialog opens again; unreadable or not text: choose again?
  prompter.answers = {Answer::Ok, Answer::Yes, Answer::No};
  EXPECT_FALSE(load(1, {gone, folderNamedLikeText, binary}));
  EXPECT_EQ(prompter.texts(),
            (std::vector<std::string>{"fichier :" + gone + " non accessible", invalidFile, invalidFile}));
  EXPECT_EQ(prompter.shown.back().buttons, Buttons::YesNo);
  EXPECT_EQ(card.frame(1).text.plainText(), "avant");
  EXPECT_EQ(card.frame(1).frameTextFile, "avant.rtf");
  EXPECT_FALSE(state.anythingLoaded);
}

TEST_F(FrameTexts, AnExistingFileIsReplacedOrKeptBesideADerivedName) {
  card.frame(1).text = RichText::fromPlainText("Jean Dupont");
  const std::string existing = file("lettre.rtf", "ancien");
  SavedFrameText saved = save(existing, Answer::No);
  EXPECT_EQ(saved.path, folder.file("lettre1.txt"));
  EXPECT_TRUE(readBytes(nativePath(saved.path)).starts_with("{\\rtf1\\ansi\\"));
  EXPECT_EQ(readBytes(nativePath(existing)), "ancien");
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{catalogue::text(Language::French, 1143)});
  EXPECT_EQ(prompter.shown.back().helpContext, helpContextNumbered);
  EXPECT_EQ(directories.directory(SettingKind::TextsDirectory), folder.file(""));
  EXPECT_EQ(save(existing, Answer::No).path, folder.file("lettre2.txt"));

  saved = save(existing, Answer::Yes);
  EXPECT_EQ(saved.path, existing);
  EXPECT_NE(readBytes(nativePath(existing)).find("Jean Dupont"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(nativePath(folder.file("lettre3.txt"))));

  // Trailing blanks go before the index; a trailing number stays and gets it after.
  EXPECT_EQ(derivedTextName(file("lettre .rtf", "")), folder.file("lettre3.txt"));
  EXPECT_EQ(derivedTextName(file("lettre5.rtf", "")), folder.file("lettre51.txt"));
}

TEST_F(FrameTexts, ANewNameWithAnotherExtensionIsKeptOnlyWhenTheUserSaysSo) {
  EXPECT_FALSE(save(folder.file("notes.doc"), Answer::No).saved);
  EXPECT_EQ(prompter.texts(),
            std::vector<std::string>{
                "L'extension de fichier n'est pas \"txt\" , l'extension standard permettant de "
                "reconnaitre les fichiers texte , voulez-vous conserver ce nom de fichier ?"});
  EXPECT_FALSE(std::filesystem::exists(nativePath(folder.file("notes.doc"))));
  EXPECT_TRUE(save(folder.file("notes.doc"), Answer::Yes).saved);

  // A folder that is not there is not reported as saved.
  const SavedFrameText failed = save(folder.file("absent/notes.txt"), Answer::Yes);
  EXPECT_FALSE(failed.saved);
  EXPECT_FALSE(failed.error.empty());
}

}  // namespace orvane
