#include "render/icon_drawing.h"

#include "render_fixture.h"

namespace orvane {

namespace {

constexpr const char* iconPath = "c:\\images\\logo.ico";
constexpr const char* bitmapPath = "c:\\images\\logo.bmp";

struct IconDrawing : RenderFixture {
  void SetUp() override {
    RenderFixture::SetUp();
    pictures.files[iconPath] = Image(48, 40, 0xFF112233u);
    pictures.files[bitmapPath] = Image(10, 10, 0xFF445566u);
  }

  /// What the card window does each time it shows the card.
  bool showIcon() {
    takeIconFile(card, state, pictures);
    return drawIcon(context);
  }
};

}  // namespace

TEST_F(IconDrawing, AnIconFileGivesTheIconItsOwnSizeOverTheCardColour) {
  EXPECT_FALSE(showIcon()) << "no icon file";
  card.iconFile = "c:\\images\\LOGO.ICO";
  pictures.files[card.iconFile] = pictures.files[iconPath];
  ASSERT_TRUE(showIcon());
  EXPECT_EQ(card.iconKind, IconKind::Icon);
  EXPECT_EQ(card.iconWidth, 48);
  EXPECT_EQ(card.iconHeight, 40);
  ASSERT_TRUE(state.iconPicture);
  EXPECT_EQ(state.iconPicture->width(), 48);
  EXPECT_EQ(state.iconPicture->pixel(0, 0), opaquePixel(card.cardColor));
  EXPECT_EQ(*state.iconBackground, *state.iconPicture) << "the drawing is recorded, not painted, here";
  ASSERT_EQ(pictures.pictureCalls.size(), 1u);
  EXPECT_EQ(pictures.pictureCalls[0].rect, (Rect{0, 0, 48, 40}));

  // The file is read again only when the path changes.
  showIcon();
  EXPECT_EQ(pictures.reads.size(), 1u);
  pictures.files["c:\\images\\autre.ico"] = Image(16, 16);
  card.iconFile = "c:\\images\\autre.ico";
  showIcon();
  EXPECT_EQ(pictures.reads.size(), 2u);
  EXPECT_EQ(card.iconWidth, 16);
  // A size no card file could keep is not taken: the icon is drawn at the size it had.
  pictures.files["c:\\images\\large.ico"] = Image(4001, 8);
  card.iconFile = "c:\\images\\large.ico";
  showIcon();
  EXPECT_EQ(card.iconWidth, 16);
  EXPECT_EQ(state.iconPicture->width(), 16);
}

TEST_F(IconDrawing, ARefreshReadsTheIconFileAgainAndTakesItsSize) {
  card.iconFile = iconPath;
  state.iconImage = Image(32, 32);  // read before the file changed, or sized by the card file
  state.iconPathRead = iconPath;
  card.iconKind = IconKind::Icon;
  ASSERT_TRUE(refreshIcon(card, context));
  EXPECT_EQ(card.iconWidth, 48);
  EXPECT_EQ(card.iconHeight, 40);
  EXPECT_EQ(state.iconPicture->width(), 48);
}

TEST_F(IconDrawing, ABitmapIsStretchedToTheIconSize) {
  card.iconFile = bitmapPath;
  ASSERT_TRUE(showIcon());
  EXPECT_EQ(card.iconKind, IconKind::Bitmap);
  EXPECT_EQ(card.iconWidth, 32);
  EXPECT_EQ(pictures.pictureCalls.at(0).rect, (Rect{0, 0, 32, 32}));
  EXPECT_EQ(pictures.pictureCalls.at(0).imageWidth, 10);
}

TEST_F(IconDrawing, WithAPatternTheIconStartsFromThePatternAsTheCardShowsIt) {
  givePattern(60, 60);
  card.iconFile = iconPath;
  showIcon();
  ASSERT_EQ(pictures.pictureCalls.size(), 2u);
  EXPECT_EQ(pictures.pictureCalls[0].kind, CanvasCallKind::BrushFill)
      << "the pattern under the icon is drawn first";
  EXPECT_EQ(pictures.pictureCalls[1].kind, CanvasCallKind::Image);
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(IconDrawing, UnreadableFilesAreReportedOnceAndLeaveTheCardColour) {
  card.iconFile = "c:\\images\\absent.ico";
  card.patternFile = "c:\\motifs\\absent.bmp";
  state.patternShown = true;
  EXPECT_TRUE(showIcon());
  showIcon();
  // The pattern is reported as the pattern drawing reports it, and is no longer shown.
  EXPECT_EQ(prompter.texts(),
            (std::vector<std::string>{"ne peut ouvrir le fichier image : c:\\images\\absent.ico",
                                      "fichier :c:\\motifs\\absent.bmp non accessible"}));
  EXPECT_FALSE(state.patternShown);
  EXPECT_EQ(card.iconWidth, 32);
  ASSERT_TRUE(state.iconPicture);
  EXPECT_EQ(state.iconPicture->pixel(31, 31), opaquePixel(card.cardColor));
  EXPECT_TRUE(pictures.pictureCalls.empty());
}

TEST_F(IconDrawing, TheKindIsDecidedOnceFromTheFirstPathThatNamesOne) {
  card.iconFile = iconPath;
  ASSERT_TRUE(showIcon());

  // A path whose last letter names no kind keeps the kind already decided.
  card.iconFile = "c:\\images\\logo.png";
  pictures.files[card.iconFile] = Image(20, 20);
  takeIconFile(card, state, pictures);
  EXPECT_EQ(card.iconKind, IconKind::Icon);
  EXPECT_EQ(card.iconWidth, 20) << "read as an icon file, so it gives its size";
  EXPECT_EQ(iconKindOf("c:\\images\\logo.png"), IconKind::Unknown);
  EXPECT_EQ(iconKindOf(""), IconKind::Unknown);
}

}  // namespace orvane
