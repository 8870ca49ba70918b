#include "shell/picture_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// The card with its pictures, and files on disk that the scripted picture service reads as pictures
// or not.
struct PictureCommands : RenderFixture {
  testing::TemporaryFolder folder;
  ShellState shellState;
  ScriptedFileDialogs dialogs;
  ScriptedSettingsStore store;
  Settings settings{store, prompter, "/root-of-settings/"};
  WorkingDirectories directories{settings};
  ElementServices services{dialogs, directories, prompter, Language::French};

  std::string pictureFile(const std::string& name, std::optional<Image> picture) {
    testing::writeBytes(nativePath(folder.file(name)), "BM");
    if (picture) pictures.files[folder.file(name)] = *picture;
    return folder.file(name);
  }
  IconChoice icon(const std::optional<std::string>& path) {
    if (path) dialogs.choose(*path, "");
    return chooseIcon(card, state, pictures, shellState, services);
  }
  bool pattern(const std::optional<std::string>& path) {
    if (path) dialogs.choose(*path, "");
    return choosePattern(card, context, shellState, services);
  }
  std::vector<std::string> refused(const std::string& path) const {
    return {catalogue::text(Language::French, 131) + path};
  }
};

}  // namespace

TEST_F(PictureCommands, TheIconFollowsItsFileAndOnlyAPictureIsTaken) {
  const std::string ico = pictureFile("logo.ico", Image(48, 40));
  const std::string bmp = pictureFile("logo.bmp", Image(10, 10, 0xFF112233u));
  EXPECT_EQ(icon(ico), IconChoice::Chosen);
  EXPECT_EQ(card.iconKind, IconKind::Icon);
  EXPECT_EQ(card.iconWidth, 48);  // an icon file gives the icon its own size
  EXPECT_EQ(card.iconHeight, 40);
  EXPECT_EQ(icon(bmp), IconChoice::Chosen);
  EXPECT_EQ(card.iconKind, IconKind::Bitmap);
  EXPECT_EQ(icon(pictureFile("logo.png", Image(10, 10))), IconChoice::Chosen);
  EXPECT_EQ(card.iconKind, IconKind::Bitmap);
  EXPECT_TRUE(shellState.anythingLoaded);
  EXPECT_TRUE(store.values.empty());  // the icon leaves the images directory alone

  ASSERT_EQ(icon(bmp), IconChoice::Chosen);
  const std::string bad = pictureFile("faux.ico", std::nullopt);
  EXPECT_EQ(icon(bad), IconChoice::Refused);
  EXPECT_EQ(prompter.texts(), refused(bad));
  EXPECT_EQ(card.iconFile, bmp);
  EXPECT_EQ(card.iconKind, IconKind::Bitmap);
  EXPECT_EQ(state.iconImage->pixel(0, 0), 0xFF112233u);

  // A file gone since chosen opens the dialog again; cancelling it leaves a blank icon.
  EXPECT_EQ(icon(folder.file("parti.bmp")), IconChoice::Cancelled);
  EXPECT_EQ(dialogs.openRequests.size(), 7u);
  EXPECT_EQ(card.iconFile, "");
}

TEST_F(PictureCommands, APatternIsTakenOnlyFromAPicture) {
  const std::string path = pictureFile("motif.bmp", Image(20, 20, 0xFF445566u));
  EXPECT_TRUE(pattern(path));
  EXPECT_EQ(card.patternFile, path);
  EXPECT_EQ(state.patternBitmap->pixel(0, 0), 0xFF445566u);
  EXPECT_EQ(directories.directory(SettingKind::ImagesDirectory), folder.file(""));

  const std::string bad = pictureFile("faux.bmp", std::nullopt);
  store.values.clear();
  EXPECT_FALSE(pattern(bad));
  EXPECT_EQ(prompter.texts(), refused(bad));
  EXPECT_EQ(card.patternFile, path);
  EXPECT_TRUE(store.values.empty());

  EXPECT_FALSE(pattern(std::nullopt));
  EXPECT_EQ(card.patternFile, "");
}

TEST_F(PictureCommands, ASecondPatternRedrawsTheTransparentFrameOnIt) {
  givePattern(60, 60);
  card.frame(1).text = RichText::fromPlainText("Jean");
  card.frame(1).frameTransparent = true;
  ASSERT_TRUE(redrawTransparentFrames(context));
  pictures.pictureCalls.clear();
  ASSERT_TRUE(pattern(pictureFile("second.bmp", Image(30, 30))));
  const std::vector<CanvasCall>& calls = pictures.pictureCalls;
  const auto stretched = std::ranges::find(calls, CanvasCallKind::Image, &CanvasCall::kind);
  ASSERT_NE(stretched, calls.end());
  EXPECT_EQ(stretched->imageWidth, 30);
  EXPECT_TRUE(
      std::any_of(stretched, calls.end(), [](const CanvasCall& call) { return call.text == "Jean"; }));
}

TEST_F(PictureCommands, TheCardGoesToTheClipboardAtItsSizeAndAnEmptyOneSaysSo) {
  ScriptedClipboard clipboard;
  EXPECT_FALSE(clipboardPicture(clipboard, prompter, Language::French));
  EXPECT_EQ(prompter.texts(),
            std::vector<std::string>{"Erreur de copie du presse-papier : vérifier son contenu"});

  Image shown(card.cardWidth + 5, card.cardHeight, 0xFF000000u);
  shown.setPixel(3, 4, 0xFFABCDEFu);
  copyCardToClipboard(card, shown, clipboard);
  const std::optional<Image> back = clipboardPicture(clipboard, prompter, Language::French);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->width(), card.cardWidth);
  EXPECT_EQ(back->pixel(3, 4), 0xFFABCDEFu);
}

}  // namespace orvane
