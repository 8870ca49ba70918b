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
using orvane::testing::writeBytes;

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
    const std::string path = folder.file(name);
    writeBytes(nativePath(path), bytes);
    return path;
  }
  bool load(int number, const std::vector<std::string>& chosen) {
    for (const std::string& path : chosen) dialogs.choose(path, "");
    return loadFrameText(card, number, state, services);
  }
  SavedFrameText save(int number, const std::string& path) {
    dialogs.choose(path, "txt");
    return saveFrameText(card, number, services);
  }
  std::string message(int id) const { return catalogue::text(Language::French, id); }
};

bool exists(const std::string& path) { return std::filesystem::exists(nativePath(path)); }

}  // namespace

TEST_F(FrameTexts, TheFileContentDecidesHowItIsRead) {
  // RTF under a text name is still rich text; text under any name is lines in the frame's font.
  const std::string rtf = file("lettre.txt", "{\\rtf1\\ansi {\\b Jean} Dupont\\par Paris}");
  const std::string lines = file("notes.doc", "Jean Dupont\r\nIng\xE9nieur\r\n");
  FontSpec frameFont;
  frameFont.name = "Arial";
  frameFont.size = 14;
  card.frame(2).text = RichText(frameFont);

  ASSERT_TRUE(load(1, {rtf}));
  EXPECT_EQ(card.frame(1).text.plainText(), "Jean Dupont\nParis");
  EXPECT_TRUE(card.frame(1).text.paragraphs().front().runs.front().format.style.bold);
  EXPECT_EQ(card.frame(1).frameTextFile, rtf);

  card.frame(2).modified = true;
  ASSERT_TRUE(load(2, {lines}));
  EXPECT_EQ(card.frame(2).text.plainText(), "Jean Dupont\nIngénieur");
  EXPECT_EQ(card.frame(2).text.paragraphs().back().runs.front().format.name, "Arial");
  EXPECT_EQ(card.frame(2).text.paragraphs().back().runs.front().format.size, 14);
  EXPECT_FALSE(card.frame(2).modified);
  EXPECT_TRUE(state.anythingLoaded);

  // Text files are offered first, in the texts directory, which a load leaves alone.
  const FileDialogRequest& request = dialogs.openRequests.front();
  EXPECT_EQ(request.filter, "fichiers doc|*.doc|fichiers RTF|*.rtf|fichiers texte|*.txt|");
  EXPECT_EQ(request.filterIndex, 2);
  EXPECT_EQ(request.initialFolder, "/root-of-settings/");
  EXPECT_TRUE(store.values.empty());
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(FrameTexts, AFileThatCannotBeShownLeavesTheFrameAsItWas) {
  card.frame(1).text = RichText::fromPlainText("avant");
  card.frame(1).frameTextFile = "avant.rtf";
  const std::string binary = file("photo.txt", std::string("BM\0\0\x01\x02", 6));
  const std::string folderNamedLikeText = folder.file("dossier.txt");
  std::filesystem::create_directory(nativePath(folderNamedLikeText));
  const std::string gone = folder.file("parti.txt");

  // A file gone since it was chosen is said so and the dialog opens again; an unreadable one and
  // one that is not text ask whether to choose again.
  prompter.answers = {Answer::Ok, Answer::Yes, Answer::No};
  EXPECT_FALSE(load(1, {gone, folderNamedLikeText, binary}));
  EXPECT_EQ(prompter.texts(),
            (std::vector<std::string>{"fichier :" + gone + " non accessible", invalidFile, invalidFile}));
  EXPECT_EQ(prompter.shown.back().kind, MessageKind::Confirmation);
  EXPECT_EQ(prompter.shown.back().buttons, Buttons::YesNo);
  EXPECT_EQ(card.frame(1).text.plainText(), "avant");
  EXPECT_EQ(card.frame(1).frameTextFile, "avant.rtf");
  EXPECT_FALSE(state.anythingLoaded);

  // Yes to choose again, then a good file.
  prompter.shown.clear();
  prompter.answers = {Answer::Yes};
  EXPECT_TRUE(load(1, {binary, file("bon.txt", "nouveau")}));
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{invalidFile});
  EXPECT_EQ(card.frame(1).text.plainText(), "nouveau");
}

TEST_F(FrameTexts, SavingBesideAnExistingFileTakesTheNextDerivedName) {
  card.frame(1).text = RichText::fromPlainText("Jean Dupont");
  const std::string existing = file("lettre.rtf", "ancien");
  prompter.answers = {Answer::No};
  SavedFrameText saved = save(1, existing);
  ASSERT_TRUE(saved.saved);
  EXPECT_EQ(saved.path, folder.file("lettre1.txt"));
  EXPECT_TRUE(readBytes(nativePath(saved.path)).starts_with("{\\rtf1\\ansi\\"));
  EXPECT_EQ(readBytes(nativePath(existing)), "ancien");
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{message(1143)});
  EXPECT_EQ(prompter.shown.back().kind, MessageKind::Warning);
  EXPECT_EQ(prompter.shown.back().buttons, Buttons::YesNo);
  EXPECT_EQ(prompter.shown.back().helpContext, helpContextNumbered);
  EXPECT_EQ(directories.directory(SettingKind::TextsDirectory), folder.file(""));

  prompter.answers = {Answer::No};
  EXPECT_EQ(save(1, existing).path, folder.file("lettre2.txt"));
  // The name's trailing blanks go before the index; a trailing number stays and gets it after.
  EXPECT_EQ(derivedTextName(file("lettre .rtf", "")), folder.file("lettre3.txt"));
  EXPECT_EQ(derivedTextName(file("lettre5.rtf", "")), folder.file("lettre51.txt"));
}

TEST_F(FrameTexts, SavingOverAnExistingFileLeavesOneFileWithTheNewText) {
  card.frame(2).text = RichText::fromPlainText("Paris");
  const std::string existing = file("lettre.rtf", "ancien");
  prompter.answers = {Answer::Yes};
  const SavedFrameText saved = save(2, existing);
  ASSERT_TRUE(saved.saved);
  EXPECT_EQ(saved.path, existing);
  EXPECT_NE(readBytes(nativePath(existing)).find("Paris"), std::string::npos);
  EXPECT_FALSE(exists(folder.file("lettre1.txt")));
  EXPECT_EQ(card.frame(2).frameTextFile, "");
}

TEST_F(FrameTexts, ANewNameWithAnotherExtensionIsKeptOnlyWhenTheUserSaysSo) {
  const std::string question =
      "L'extension de fichier n'est pas \"txt\" , l'extension standard permettant de reconnaitre les "
      "fichiers texte , voulez-vous conserver ce nom de fichier ?";
  prompter.answers = {Answer::No};
  EXPECT_FALSE(save(1, folder.file("notes.doc")).saved);
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{question});
  EXPECT_FALSE(exists(folder.file("notes.doc")));
  EXPECT_TRUE(store.values.empty());

  prompter.answers = {Answer::Yes};
  EXPECT_TRUE(save(1, folder.file("notes.doc")).saved);
  EXPECT_TRUE(exists(folder.file("notes.doc")));

  // A name in a folder that is not there is not reported as saved.
  const SavedFrameText failed = save(1, folder.file("absent/notes.txt"));
  EXPECT_FALSE(failed.saved);
  EXPECT_FALSE(failed.error.empty());
}

TEST_F(FrameTexts, TheEntryNameTellsTheFrame) {
  EXPECT_EQ(frameOfTextEntry("charger2"), 2);
  EXPECT_EQ(frameOfTextEntry("sauvegarder2"), 2);
  EXPECT_EQ(frameOfTextEntry("charger1"), 1);
  EXPECT_EQ(frameOfTextEntry("sauvegarder1"), 1);
}

}  // namespace orvane
