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
};

}  // namespace

TEST_F(IconDrawing, AnIconFileGivesTheIconItsOwnSizeOverTheCardColour) {
  EXPECT_FALSE(drawIcon(context)) << "no icon file";
  card.iconFile = "c:\\images\\LOGO.ICO";
  pictures.files[card.iconFile] = pictures.files[iconPath];
  ASSERT_TRUE(drawIcon(context));
  EXPECT_EQ(card.iconKind, "ico");
  EXPECT_EQ(card.iconWidth, 48);
  EXPECT_EQ(card.iconHeight, 40);
  ASSERT_TRUE(state.iconPicture);
  EXPECT_EQ(state.iconPicture->width(), 48);
  EXPECT_EQ(state.iconPicture->pixel(0, 0), opaquePixel(card.cardColor));
  EXPECT_EQ(*state.iconBackground, *state.iconPicture) << "the drawing is recorded, not painted, here";
  ASSERT_EQ(pictures.pictureCalls.size(), 1u);
  EXPECT_EQ(pictures.pictureCalls[0].rect, (Rect{0, 0, 48, 40}));

  // The file is read again only when the path changes.
  drawIcon(context);
  EXPECT_EQ(pictures.reads.size(), 1u);
  pictures.files["c:\\images\\autre.ico"] = Image(16, 16);
  card.iconFile = "c:\\images\\autre.ico";
  drawIcon(context);
  EXPECT_EQ(pictures.reads.size(), 2u);
  EXPECT_EQ(card.iconWidth, 16);
}

TEST_F(IconDrawing, ABitmapIsStretchedToTheIconSize) {
  card.iconFile = bitmapPath;
  ASSERT_TRUE(drawIcon(context));
  EXPECT_EQ(card.iconKind, "bmp");
  EXPECT_EQ(card.iconWidth, 32);
  EXPECT_EQ(pictures.pictureCalls.at(0).rect, (Rect{0, 0, 32, 32}));
  EXPECT_EQ(pictures.pictureCalls.at(0).imageWidth, 10);
}

TEST_F(IconDrawing, WithAPatternTheIconStartsFromThePatternAsTheCardShowsIt) {
  givePattern(60, 60);
  card.iconFile = iconPath;
  drawIcon(context);
  ASSERT_EQ(pictures.pictureCalls.size(), 2u);
  EXPECT_EQ(pictures.pictureCalls[0].kind, CanvasCallKind::BrushFill) << "the background copy is drawn first";
  EXPECT_EQ(pictures.pictureCalls[1].kind, CanvasCallKind::Image);
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(IconDrawing, UnreadableFilesAreReportedOnceAndLeaveTheCardColour) {
  card.iconFile = "c:\\images\\absent.ico";
  card.patternFile = "c:\\motifs\\absent.bmp";
  EXPECT_TRUE(drawIcon(context));
  drawIcon(context);
  EXPECT_EQ(prompter.texts(),
            std::vector<std::string>{"ne peut ouvrir le fichier image : c:\\images\\absent.ico"});
  EXPECT_EQ(card.iconWidth, 32);
  ASSERT_TRUE(state.iconPicture);
  EXPECT_EQ(state.iconPicture->pixel(31, 31), opaquePixel(card.cardColor));
  EXPECT_TRUE(pictures.pictureCalls.empty());
}

}  // namespace orvane
