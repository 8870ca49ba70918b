#include "shell/card_file_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cardfile/card_file_test_support.h"
#include "cardfile/card_file_writer.h"
#include "cardfile/save_name.h"
#include "catalogue/catalogue.h"
#include "support/scripted_file_dialogs.h"
#include "text/file_path.h"

namespace orvane {

using orvane::testing::cardFixture;
using orvane::testing::CardUnderTest;
using orvane::testing::readBytes;
using orvane::testing::writeBytes;

namespace {

// A card, the services of the two commands and a folder with an "element" sub-folder to save into.
struct CommandsUnderTest : CardUnderTest {
  ScriptedFileDialogs dialogs;
  ScriptedSettingsStore store;
  Settings settings{store, prompter, "/root-of-settings/"};
  WorkingDirectories directories{settings};
  ScriptedPrinterService printers;
  CardEditorShell shell{card, prompter, printers};
  CardFileSession session;
  CardFileServices services{dialogs, companions, directories, prompter};

  CommandsUnderTest() {
    std::filesystem::create_directory(nativePath(folder.file("element")));
    directories.load();
  }

  SavedCardFile save(const std::string& path) {
    dialogs.choose(path);
    return saveCardFileCommand(card, session, 96, language, services);
  }
  LoadedCardFileView load(const std::string& path) {
    dialogs.choose(path);
    return loadCardFileCommand(card, session, {}, services, shell);
  }
  std::string message(int id) const { return catalogue::text(language, id); }
};

bool exists(const std::string& path) { return std::filesystem::exists(nativePath(path)); }

}  // namespace

TEST(CardFileCommands, SavingIsRefusedOrCancelledWithoutWritingAnything) {
  CommandsUnderTest test;
  test.card.cardAccess = true;
  EXPECT_FALSE(test.save(test.folder.file("carte.ov1")).saved);
  EXPECT_EQ(test.prompter.texts(), std::vector<std::string>{test.message(172)});
  EXPECT_EQ(test.prompter.shown.back().buttons, Buttons::OkCancel);
  EXPECT_TRUE(test.dialogs.saveRequests.empty());

  test.card.cardAccess = false;
  test.dialogs.choices.clear();
  EXPECT_FALSE(saveCardFileCommand(test.card, test.session, 96, test.language, test.services).saved);
  ASSERT_EQ(test.dialogs.saveRequests.size(), 1u);
  const FileDialogRequest& request = test.dialogs.saveRequests.back();
  EXPECT_EQ(request.filter, "fichiers Orvane 1|*.ov1|fichiers texte|*.txt|fichiers non définis|*.*");
  EXPECT_EQ(request.title, "définir le fichier paramêtre de la carte : ");
  EXPECT_EQ(request.defaultExtension, "ov1");
  EXPECT_EQ(request.initialFolder, "/root-of-settings/");
  EXPECT_TRUE(request.initialName.empty());

  // A typed extension other than ".ov1" is kept only when the user says so.
  test.prompter.answers = {Answer::No};
  EXPECT_FALSE(test.save(test.folder.file("carte.txt")).saved);
  EXPECT_EQ(test.prompter.texts().back(), catalogue::format(test.language, 1144, ".ov1", "carte"));
  EXPECT_FALSE(exists(test.folder.file("carte.txt")));
  EXPECT_TRUE(test.store.values.empty());
}

TEST(CardFileCommands, ASaveWritesTheCardItsTextsAndRemembersTheFolder) {
  CommandsUnderTest test;
  test.card.frame(1).text = RichText::fromPlainText("Jeanne Martin\nrelieuse");
  const std::string path = test.folder.file("carte.ov1");
  const SavedCardFile saved = test.save(path);
  EXPECT_TRUE(saved.saved);
  EXPECT_EQ(saved.path, path);
  EXPECT_TRUE(test.prompter.texts().empty());
  EXPECT_TRUE(exists(test.folder.file("element/C1carte.rtf")));
  EXPECT_TRUE(exists(test.folder.file("element/C2carte.rtf")));
  EXPECT_EQ(test.directories.directory(SettingKind::ParametersDirectory), test.folder.file(""));
  EXPECT_EQ(test.store.values.at("Répertoire paramêtres"), test.folder.file(""));

  // Without an "element" folder the card file is still written, and each lost text is told.
  CommandsUnderTest bare;
  std::filesystem::remove(nativePath(bare.folder.file("element")));
  EXPECT_TRUE(bare.save(bare.folder.file("carte.ov1")).saved);
  EXPECT_TRUE(exists(bare.folder.file("carte.ov1")));
  EXPECT_EQ(bare.prompter.texts(), std::vector<std::string>(2, bare.message(133)));
}

TEST(CardFileCommands, AnExistingFileIsReplacedOrKeptBesideAnIndexedOne) {
  CommandsUnderTest test;
  const std::string path = test.folder.file("carte.ov1");
  writeBytes(nativePath(path), "old");

  // Yes: the new file takes the chosen name, its texts are named after it, nothing else is left.
  test.prompter.answers = {Answer::Yes};
  const SavedCardFile replaced = test.save(path);
  EXPECT_EQ(test.prompter.texts(), std::vector<std::string>{test.message(1143)});
  EXPECT_TRUE(replaced.saved);
  EXPECT_EQ(replaced.path, path);
  EXPECT_NE(readBytes(nativePath(path)), "old");
  EXPECT_FALSE(exists(test.folder.file("carte1.ov1")));
  EXPECT_TRUE(exists(test.folder.file("element/C1carte.rtf")));

  // No: the new file gets the indexed name and its texts follow it; the old file stays.
  const std::string before = readBytes(nativePath(path));
  test.prompter.answers = {Answer::No};
  const SavedCardFile beside = test.save(path);
  EXPECT_EQ(beside.path, test.folder.file("carte1.ov1"));
  EXPECT_EQ(readBytes(nativePath(path)), before);
  EXPECT_TRUE(exists(test.folder.file("element/C1carte1.rtf")));

  // Cancel writes nothing.
  test.prompter.answers = {Answer::Cancel};
  EXPECT_FALSE(test.save(path).saved);
  EXPECT_FALSE(exists(test.folder.file("carte2.ov1")));
}

TEST(CardFileCommands, AFileThatCannotBeWrittenIsReportedNotSaved) {
  CommandsUnderTest test;
  const SavedCardFile saved = test.save(test.folder.file("missing-folder/carte.ov1"));
  EXPECT_FALSE(saved.saved);
  EXPECT_FALSE(saved.error.empty());
  // No frame text is written for a card file that does not exist.
  EXPECT_TRUE(test.prompter.texts().empty());
  EXPECT_FALSE(exists(test.folder.file("element/C1carte.rtf")));
}

TEST(CardFileCommands, ASavedCardLoadsBackTheSameInAFreshCard) {
  CommandsUnderTest made;
  made.card.cardWidth += 12;
  made.card.cardColor = 0xF0C0CD;
  made.card.frame(1).frameWidth -= 7;
  made.card.frame(2).frameLeft += 5;
  made.card.frame(2).frameColor = 0x123456;
  made.card.iconTop += 3;
  made.card.frame(1).text = RichText::fromPlainText("Jeanne Martin\nrelieuse d'art");
  made.card.frame(2).text = RichText::fromPlainText("12 rue des Lilas");
  const std::string path = made.folder.file("carte.ov1");
  ASSERT_TRUE(made.save(path).saved);

  CommandsUnderTest fresh;
  const LoadedCardFileView view = fresh.load(path);
  EXPECT_TRUE(view.loaded);
  EXPECT_EQ(fresh.prompter.texts(), std::vector<std::string>{});
  EXPECT_EQ(cardFileLines(fresh.card, "carte", 96), cardFileLines(made.card, "carte", 96));
  for (int number : {1, 2})
    EXPECT_EQ(fresh.card.frame(number).text.plainText(), made.card.frame(number).text.plainText());
  EXPECT_EQ(view.caption, made.folder.file("carte"));
  EXPECT_EQ(fresh.session.cardFilePath, path);
  EXPECT_TRUE(fresh.shell.state().anythingLoaded);

  // The next save proposes the loaded file.
  fresh.save(path);
  EXPECT_EQ(fresh.dialogs.saveRequests.back().initialName, path);
}

// The card file records its frame texts' names; a name it cannot record so that the load finds them
// again is refused before anything is written.
TEST(CardFileCommands, ACardSavedUnderAnOddNameLoadsBackWholeOrIsRefused) {
  for (const std::string name : {"carte?.ov1", "carte é€.ov1"}) {
    CommandsUnderTest made;
    made.card.frame(1).text = RichText::fromPlainText("Jeanne Martin");
    made.card.frame(2).text = RichText::fromPlainText("12 rue des Lilas");
    const std::string path = made.folder.file(name);
    ASSERT_TRUE(made.save(path).saved) << name;
    CommandsUnderTest fresh;
    EXPECT_TRUE(fresh.load(path).loaded);
    EXPECT_EQ(fresh.prompter.texts(), std::vector<std::string>{}) << name;
    for (int number : {1, 2})
      EXPECT_EQ(fresh.card.frame(number).text.plainText(), made.card.frame(number).text.plainText()) << name;
  }
  for (const std::string& name :
       std::vector<std::string>{"Łódź.ov1", "deux\nlignes.ov1", "\xFF.ov1", std::string(230, 'x') + ".ov1"}) {
    CommandsUnderTest test;
    const std::string path = test.folder.file(name);
    EXPECT_FALSE(test.save(path).saved);
    EXPECT_EQ(test.prompter.texts(), std::vector<std::string>{unrecordableNameMessage(test.language, path)});
    EXPECT_EQ(test.prompter.shown.back().kind, MessageKind::Error);
    EXPECT_TRUE(std::filesystem::is_empty(nativePath(test.folder.file("element"))));
    EXPECT_FALSE(exists(path));
  }
}

TEST(CardFileCommands, TheContactTravelsInItsOwnFileBesideTheUnchangedCardFile) {
  CommandsUnderTest plain;
  ASSERT_TRUE(plain.save(plain.folder.file("carte.ov1")).saved);
  CommandsUnderTest made;
  made.card.contact.contact.familyName = "Dupré";
  made.card.contact.contact.address = "1, rue; Haute";
  made.card.contact.qr = {true, 5, 6, 70, QrColour::Frame1};
  const std::string path = made.folder.file("carte.ov1");
  ASSERT_TRUE(made.save(path).saved);
  EXPECT_EQ(readBytes(nativePath(path)), readBytes(nativePath(plain.folder.file("carte.ov1"))));
  EXPECT_TRUE(exists(made.folder.file("element/Qcarte.vcf")));

  CommandsUnderTest fresh;
  ASSERT_TRUE(fresh.load(path).loaded);
  EXPECT_EQ(fresh.card.contact, made.card.contact);

  // A card without a contact leaves no file that a load would bring back, nor keeps the last one's.
  made.card.contact = {};
  made.prompter.answers = {Answer::Yes};
  ASSERT_TRUE(made.save(path).saved);
  EXPECT_FALSE(exists(made.folder.file("element/Qcarte.vcf")));
  ASSERT_TRUE(fresh.load(path).loaded);
  EXPECT_EQ(fresh.card.contact, CardContact{});

  // A contact that cannot be written is told.
  CommandsUnderTest bare;
  std::filesystem::remove(nativePath(bare.folder.file("element")));
  bare.card.contact.contact.email = "a@b.fr";
  EXPECT_TRUE(bare.save(bare.folder.file("carte.ov1")).saved);
  EXPECT_EQ(bare.prompter.texts().back(), bare.message(1315) + "Qcarte.vcf");
}

TEST(CardFileCommands, LoadingFollowsTheFileChosenAndWhatWasLoadedBefore) {
  CommandsUnderTest test;
  test.dialogs.choices.clear();
  EXPECT_FALSE(loadCardFileCommand(test.card, test.session, {}, test.services, test.shell).chosen);
  ASSERT_EQ(test.dialogs.openRequests.size(), 1u);
  EXPECT_EQ(test.dialogs.openRequests.back().filter,
            "fichiers Orvane 1|*.ov1|fichiers Orvane 2|*.ov?|fichiers Orvane 3|*.ov??");
  EXPECT_EQ(test.dialogs.openRequests.back().initialFolder, "/root-of-settings/");
  EXPECT_FALSE(test.load(test.folder.file("absent.ov1")).chosen);
  EXPECT_TRUE(test.prompter.texts().empty());

  // A first load keeps the frames' texts when the file's text files are missing; a second one
  // clears them first.
  CommandsUnderTest textless;
  std::filesystem::remove(nativePath(textless.folder.file("element")));
  const std::string saved = textless.folder.file("sans-textes.ov1");
  ASSERT_TRUE(textless.save(saved).saved);
  test.card.frame(1).text = RichText::fromPlainText("avant");
  LoadedCardFileView view = test.load(saved);
  ASSERT_TRUE(view.loaded);
  EXPECT_FALSE(view.clearIconPreviews);
  EXPECT_EQ(test.card.frame(1).text.plainText(), "avant");
  view = test.load(saved);
  EXPECT_TRUE(view.clearIconPreviews);
  EXPECT_EQ(test.card.frame(1).text.plainText(), "");

  // A file the user stops reading changes neither the caption nor the current card file.
  const std::string broken = test.folder.file("broken.ov1");
  std::filesystem::copy_file(nativePath(cardFixture("forty_lines.ov1")), nativePath(broken));
  test.prompter.answers = {Answer::Abort};
  view = test.load(broken);
  EXPECT_TRUE(view.chosen);
  EXPECT_FALSE(view.loaded);
  EXPECT_FALSE(view.caption);
  EXPECT_EQ(test.session.cardFilePath, saved);
}

TEST(CardFileCommands, TheTransparencyBoxesFollowAPatternAndTheFile) {
  CommandsUnderTest test;
  test.card.patternFile = test.folder.file("motif.bmp");
  test.card.frame(2).frameTransparent = true;
  const std::string path = test.folder.file("motif.ov1");
  ASSERT_TRUE(test.save(path).saved);

  CommandsUnderTest fresh;
  const LoadedCardFileView view = fresh.load(path);
  EXPECT_TRUE(view.transparencyEnabled);
  EXPECT_TRUE(view.showTransparency);
  EXPECT_FALSE(fresh.card.frame(1).frameTransparent);
  EXPECT_TRUE(fresh.card.frame(2).frameTransparent);

  // Without a pattern the boxes are not usable, and a transparent frame of the card shown before is
  // not kept: the boxes are cleared and the next save writes opaque frames.
  CommandsUnderTest plain;
  plain.card.frame(1).frameTransparent = true;
  ASSERT_TRUE(plain.save(plain.folder.file("uni.ov1")).saved);
  const LoadedCardFileView none = plain.load(plain.folder.file("uni.ov1"));
  EXPECT_FALSE(none.transparencyEnabled);
  EXPECT_TRUE(none.showTransparency);
  EXPECT_FALSE(plain.card.frame(1).frameTransparent || plain.card.frame(2).frameTransparent);
}

TEST(FileDialogText, FiltersExtensionsAndCaptions) {
  EXPECT_EQ(parseFileFilter("fichiers Orvane 1|*.ov1|fichiers texte|*.txt|"),
            (std::vector<FileFilter>{{"fichiers Orvane 1", "*.ov1"}, {"fichiers texte", "*.txt"}}));
  EXPECT_EQ(parseFileFilter("tout|*.*|sans motif|"), (std::vector<FileFilter>{{"tout", "*.*"}}));
  EXPECT_FALSE(extensionDiffers("/a/carte.OV1", "ov1"));
  EXPECT_FALSE(extensionDiffers("/a.b/carte", "ov1"));
  EXPECT_TRUE(extensionDiffers("/a/carte.txt", "ov1"));
  EXPECT_EQ(pathWithoutExtension("/a.b/carte.ov1"), "/a.b/carte");
  EXPECT_EQ(pathWithoutExtension("/a.b/carte"), "/a.b/carte");
}

}  // namespace orvane
