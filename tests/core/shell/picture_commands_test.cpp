#include "shell/picture_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "render/render_fixture.h"
#include "render/transparency_composite.h"
#include "settings/settings.h"
#include "support/scripted_clipboard.h"
#include "support/scripted_file_dialogs.h"
#include "temporary_folder.h"
#include "text/file_path.h"

namespace orvane {

namespace {

// The card with its pictures, and picture files that exist on disk; the scripted picture service
// decides which of them read as pictures.
struct PictureCommands : RenderFixture {
  testing::TemporaryFolder folder;
  ShellState shellState;
  ScriptedFileDialogs dialogs;
  ScriptedSettingsStore store;
  Settings settings{store, prompter, "/root-of-settings/"};
  WorkingDirectories directories{settings};
  ElementServices services{dialogs, directories, prompter, Language::French};

  void SetUp() override {
    RenderFixture::SetUp();
    directories.load();
  }

  // A file on disk; with a picture, one that reads as that picture.
  std::string pictureFile(const std::string& name, std::optional<Image> picture) {
    const std::string path = folder.file(name);
    testing::writeBytes(nativePath(path), "BM");
    if (picture) pictures.files[path] = *picture;
    return path;
  }
  IconChoice icon(const std::optional<std::string>& path) {
    if (path) dialogs.choose(*path, "");
    return chooseIcon(card, state, pictures, shellState, services);
  }
  bool pattern(const std::optional<std::string>& path) {
    if (path) dialogs.choose(*path, "");
    return choosePattern(card, context, shellState, services);
  }
  std::string notAPicture(const std::string& path) const {
    return catalogue::text(Language::French, 131) + path;
  }
};

}  // namespace

TEST_F(PictureCommands, TheIconKindFollowsTheLastLetterOfThePath) {
  const std::string ico = pictureFile("logo.ico", Image(48, 40));
  const std::string bmp = pictureFile("logo.bmp", Image(10, 10));
  const std::string other = pictureFile("logo.png", Image(10, 10));

  EXPECT_EQ(icon(ico), IconChoice::Chosen);
  EXPECT_EQ(card.iconKind, IconKind::Icon);
  EXPECT_EQ(card.iconFile, ico);
  // An icon file gives the icon its own size.
  EXPECT_EQ(card.iconWidth, 48);
  EXPECT_EQ(card.iconHeight, 40);
  EXPECT_TRUE(state.iconImage);
  EXPECT_TRUE(shellState.anythingLoaded);

  EXPECT_EQ(icon(bmp), IconChoice::Chosen);
  EXPECT_EQ(card.iconKind, IconKind::Bitmap);
  EXPECT_EQ(icon(other), IconChoice::Chosen);
  EXPECT_EQ(card.iconKind, IconKind::Bitmap);

  // Icons are offered first, in the images directory, which the icon leaves as it is.
  const FileDialogRequest& request = dialogs.openRequests.front();
  EXPECT_EQ(request.filter, "fichiers bmp|*.bmp|fichiers icone|*.ico");
  EXPECT_EQ(request.filterIndex, 1);
  EXPECT_EQ(request.initialFolder, "/root-of-settings/");
  EXPECT_TRUE(store.values.empty());

  // Cancelling leaves no icon file: a blank icon.
  EXPECT_EQ(icon(std::nullopt), IconChoice::Cancelled);
  EXPECT_EQ(card.iconFile, "");
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(PictureCommands, AnIconFileThatIsNotAPictureLeavesTheCardAsItWas) {
  const std::string good = pictureFile("logo.bmp", Image(10, 10, 0xFF112233u));
  const std::string bad = pictureFile("faux.ico", std::nullopt);
  ASSERT_EQ(icon(good), IconChoice::Chosen);
  const CardModel before = card;

  // A file gone since it was chosen opens the dialog again without a word.
  EXPECT_EQ(icon(folder.file("parti.bmp")), IconChoice::Cancelled);
  dialogs.choose(folder.file("parti.bmp"), "");
  EXPECT_EQ(icon(good), IconChoice::Chosen);
  EXPECT_TRUE(prompter.shown.empty());

  EXPECT_EQ(icon(bad), IconChoice::Refused);
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{notAPicture(bad)});
  EXPECT_EQ(card.iconFile, good);
  EXPECT_EQ(card.iconKind, IconKind::Bitmap);
  EXPECT_EQ(card.iconWidth, before.iconWidth);
  ASSERT_TRUE(state.iconImage);
  EXPECT_EQ(state.iconImage->pixel(0, 0), 0xFF112233u);
}

TEST_F(PictureCommands, APatternIsReadAndItsFolderRemembered) {
  const std::string path = pictureFile("motif.bmp", Image(20, 20, 0xFF445566u));
  EXPECT_TRUE(pattern(path));
  EXPECT_EQ(card.patternFile, path);
  ASSERT_TRUE(state.patternBitmap);
  EXPECT_EQ(state.patternBitmap->pixel(0, 0), 0xFF445566u);
  EXPECT_EQ(directories.directory(SettingKind::ImagesDirectory), folder.file(""));
  EXPECT_EQ(dialogs.openRequests.back().filter, "fichiers bmp|*.bmp");
  EXPECT_TRUE(shellState.anythingLoaded);

  // A file that is not a picture: said so, and the card keeps its pattern and the directory its folder.
  const std::string bad = pictureFile("faux.bmp", std::nullopt);
  store.values.clear();
  EXPECT_FALSE(pattern(bad));
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{notAPicture(bad)});
  EXPECT_EQ(card.patternFile, path);
  EXPECT_TRUE(store.values.empty());

  // Cancelling leaves the card without a pattern file.
  EXPECT_FALSE(pattern(std::nullopt));
  EXPECT_EQ(card.patternFile, "");
}

TEST_F(PictureCommands, ASecondPatternRedrawsTheTransparentFrameOnIt) {
  givePattern(60, 60);
  card.frame(1).text = RichText::fromPlainText("Jean");
  card.frame(1).frameTransparent = true;
  ASSERT_TRUE(redrawTransparentFrames(context));
  ASSERT_TRUE(state.transparencyComposite);

  pictures.pictureCalls.clear();
  const std::string second = pictureFile("second.bmp", Image(30, 30));
  ASSERT_TRUE(pattern(second));
  ASSERT_TRUE(state.transparencyComposite);
  const std::vector<CanvasCall>& calls = pictures.pictureCalls;
  const auto stretched = std::find_if(
      calls.begin(), calls.end(), [](const CanvasCall& call) { return call.kind == CanvasCallKind::Image; });
  ASSERT_NE(stretched, calls.end());
  EXPECT_EQ(stretched->imageWidth, 30);
  EXPECT_TRUE(std::any_of(stretched, calls.end(), [](const CanvasCall& call) {
    return call.kind == CanvasCallKind::RichText && call.text == "Jean";
  }));
}

TEST_F(PictureCommands, TheClipboardGivesItsPictureOrMessage134) {
  ScriptedClipboard clipboard;
  EXPECT_FALSE(clipboardPicture(clipboard, prompter, Language::French));
  clipboard.held = Image();
  EXPECT_FALSE(clipboardPicture(clipboard, prompter, Language::French));
  EXPECT_EQ(prompter.texts(),
            (std::vector<std::string>(2, "Erreur de copie du presse-papier : vérifier son contenu")));

  // The card as shown goes to the clipboard at the card's size, and comes back as it went.
  Image shown(card.cardWidth + 5, card.cardHeight, 0xFF000000u);
  shown.setPixel(3, 4, 0xFFABCDEFu);
  copyCardToClipboard(card, shown, clipboard);
  ASSERT_TRUE(clipboard.held);
  EXPECT_EQ(clipboard.held->width(), card.cardWidth);
  EXPECT_EQ(clipboard.held->height(), card.cardHeight);
  const std::optional<Image> back = clipboardPicture(clipboard, prompter, Language::French);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->pixel(3, 4), 0xFFABCDEFu);
  EXPECT_EQ(prompter.shown.size(), 2u);
}

}  // namespace orvane
