#include "minicv/editor_commands.h"

#include <gtest/gtest.h>

#include "minicv/cv_sheet.h"
#include "minicv/photo.h"
#include "settings/settings.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_input_query.h"
#include "support/scripted_picture_service.h"
#include "support/scripted_services.h"
#include "temporary_folder.h"
#include "text/file_path.h"

namespace orvane::minicv {

namespace {

/// The sheet as the editor builds it.
ControlTree commandControls() { return CvSheet().tree; }

/// The zones' titles and the hints of their texts.
std::vector<std::string> zoneTitles(const ControlTree& tree) {
  std::vector<std::string> titles;
  for (int zone = 1; zone <= 4; ++zone) {
    titles.push_back(tree["Label" + std::to_string(10 + zone)].text);
    titles.push_back(tree["REdit" + std::to_string(zone)].hint);
  }
  return titles;
}

}  // namespace

TEST(ZoneTitles, AsksForANumberUntilItStartsWithOneToFourThenRenamesTheZone) {
  ControlTree tree = commandControls();
  ScriptedInputQuery query;
  query.answers = {"", "7", "x3", "3e cadre", "Parcours"};
  EXPECT_TRUE(titresdescadres1Click(tree, query, Language::French));
  ASSERT_EQ(query.asked.size(), 5u);
  EXPECT_EQ(query.asked[0].title, "Modification de titre de cadre");
  EXPECT_EQ(query.asked[3].prompt, "Entrez le numéro du cadre : 1,2,3 ou 4");
  EXPECT_EQ(query.asked[4].prompt, "Entrez le nouveau titre");
  EXPECT_EQ(query.asked[4].proposed, "expérience professionnelle");
  EXPECT_EQ(tree["Label13"].text, "Parcours");
  EXPECT_EQ(tree["REdit3"].hint, "Parcours");
}

TEST(ZoneTitles, CancellingEitherQuestionChangesNothing) {
  for (const std::deque<std::optional<std::string>>& answers :
       {std::deque<std::optional<std::string>>{std::nullopt},
        std::deque<std::optional<std::string>>{"9", std::nullopt},
        std::deque<std::optional<std::string>>{"1", std::nullopt}}) {
    ControlTree tree = commandControls();
    ScriptedInputQuery query;
    query.answers = answers;
    EXPECT_FALSE(titresdescadres1Click(tree, query, Language::English));
    EXPECT_EQ(zoneTitles(tree), zoneTitles(commandControls()));
  }
}

TEST(PhotoPlacement, ATallPictureFillsTheHeightAndATheOtherTheWidthBothCentred) {
  // 100 x 200: 100/110 < 200/130, drawn 65 wide at (110 - 65) / 2 = 22.5, rounded to even.
  EXPECT_EQ(photoPlacement(100, 200), Rect::fromSize(22, 0, 65, 130));
  // 200 x 100: 55 high at (130 - 55) / 2 = 37.5.
  EXPECT_EQ(photoPlacement(200, 100), Rect::fromSize(0, 38, 110, 55));
  // Exactly the frame's proportions count as wide: the whole frame.
  EXPECT_EQ(photoPlacement(220, 260), Rect::fromSize(0, 0, 110, 130));
  EXPECT_EQ(photoPlacement(0, 130), std::nullopt);
  EXPECT_EQ(photoPlacement(110, 0), std::nullopt);
}

struct PhotoCommand : ::testing::Test {
  orvane::testing::TemporaryFolder folder;
  ScriptedPrompter prompter;
  ScriptedFileDialogs dialogs;
  ScriptedPictureService pictures;
  ScriptedSettingsStore store;
  Settings settings{store, prompter, "/root-of-settings/"};
  WorkingDirectories directories{settings};
  ControlTree tree = commandControls();
  std::string photoFile = "ancienne.bmp";

  PhotoCommand() {
    store.values["Répertoire paramêtres"] = "/cv/";
    directories.load();
    tree["zImage1"].visible = false;  // as the photo element leaves it when switched off
  }

  std::string existingBitmap(const std::string& name, Image picture) {
    const std::string path = utf8Path(folder.path() / name);
    std::ofstream(folder.path() / name) << "BM";
    pictures.files[path] = std::move(picture);
    return path;
  }
  std::optional<Image> run() {
    return chargerphoto1Click(tree, photoFile, 0x00FF00, {dialogs, prompter, pictures, directories},
                              Language::French);
  }
};

TEST_F(PhotoCommand, AnotherExtensionAsksAndAMissingNameOpensTheDialogAgain) {
  const std::string portrait = existingBitmap("portrait.bmp", Image(100, 200));
  dialogs.choose("photo.jpg", "bmp");
  dialogs.choose(utf8Path(folder.path() / "absente.bmp"), "bmp");
  dialogs.choose(portrait, "bmp");
  const std::optional<Image> photo = run();

  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].buttons, Buttons::YesNo);
  EXPECT_TRUE(prompter.shown[0].text.starts_with("L'extension de fichier n'est pas \"bmp\""));
  ASSERT_EQ(dialogs.openRequests.size(), 3u);
  EXPECT_EQ(dialogs.openRequests[0].filter, "fichiers bmp|*.bmp");
  EXPECT_EQ(dialogs.openRequests[0].defaultExtension, "bmp");
  // The images directory was never chosen: the dialog starts in the parameters directory.
  EXPECT_EQ(dialogs.openRequests[0].initialFolder, "/cv/");

  ASSERT_TRUE(photo);
  EXPECT_EQ(photo->width(), 110);
  EXPECT_EQ(photo->height(), 130);
  EXPECT_EQ(photo->pixel(0, 0), opaquePixel(0x00FF00));  // the background shows beside the picture
  ASSERT_EQ(pictures.pictureCalls.size(), 1u);
  EXPECT_EQ(pictures.pictureCalls[0].rect, Rect::fromSize(22, 0, 65, 130));
  EXPECT_EQ(photoFile, portrait);
  EXPECT_EQ(directories.directory(SettingKind::ImagesDirectory), utf8Path(folder.path()));
  EXPECT_TRUE(tree["zImage1"].visible);
  EXPECT_EQ(tree["zImage1"].picturePath, portrait);

  // The next photo starts where this one was found.
  dialogs.choose(portrait, "bmp");
  run();
  EXPECT_EQ(dialogs.openRequests[3].initialFolder, utf8Path(folder.path()));
}

TEST_F(PhotoCommand, NoToAnotherFileOrCancelEndsWithoutChange) {
  dialogs.choose("photo.png", "bmp");
  prompter.answers = {Answer::No};
  EXPECT_FALSE(run());
  EXPECT_FALSE(run());  // the dialog cancelled
  EXPECT_EQ(photoFile, "ancienne.bmp");
  EXPECT_FALSE(tree["zImage1"].visible);
  EXPECT_EQ(dialogs.openRequests.size(), 2u);
}

TEST_F(PhotoCommand, ABitmapThatCannotBeReadIsReportedAndNotShown) {
  const std::string broken = utf8Path(folder.path() / "casse.bmp");
  std::ofstream(folder.path() / "casse.bmp") << "not a bitmap";
  dialogs.choose(broken, "bmp");
  EXPECT_FALSE(run());
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Orvane : anomalie de chargement de l'image."});
  EXPECT_EQ(photoFile, broken);
  EXPECT_FALSE(tree["zImage1"].visible);
  EXPECT_EQ(tree["zImage1"].picturePath, "");
}

TEST(EditorQuestions, PrintingOptionsAndLeavingFollowTheAnswers) {
  ScriptedPrompter prompter;
  prompter.answers = {Answer::Yes, Answer::No};
  EXPECT_TRUE(askHideWhenPrinting(prompter, 115, Language::French));
  EXPECT_FALSE(askHideWhenPrinting(prompter, 185, Language::French));
  EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"Voulez-vous masquer les signatures à l'impression ?",
                                                        "voulez-vous masquer les cadres à l'impression ?"}));

  // Nothing changed since the file was loaded: the editor is left without a question.
  prompter.shown.clear();
  EXPECT_TRUE(mayLeaveEditor(prompter, false, Language::French));
  EXPECT_TRUE(prompter.shown.empty());
  prompter.answers = {Answer::Cancel, Answer::Ok};
  EXPECT_FALSE(mayLeaveEditor(prompter, true, Language::French));
  EXPECT_TRUE(mayLeaveEditor(prompter, true, Language::French));
  EXPECT_EQ(prompter.shown[0].text, "Vous avez des changements non transférés dans la sauvegarde");
  EXPECT_EQ(prompter.shown[0].buttons, Buttons::OkCancel);

  EXPECT_EQ(htmlColour(rgb(0x12, 0xAB, 0xF0)), "12ABF0");
}

}  // namespace orvane::minicv
