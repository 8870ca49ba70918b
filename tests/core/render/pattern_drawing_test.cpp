#include "render/pattern_drawing.h"

#include "render/transparency_composite.h"
#include "render_fixture.h"

namespace orvane {

namespace {

const std::string unsupported400 = "Opération non supportée par le système - Erreur 400";

using PatternDrawing = RenderFixture;

}  // namespace

TEST_F(PatternDrawing, DimDecidesBySizeMotAlwaysTilesStrAlwaysStretches) {
  EXPECT_EQ(patternPlacement(card, 60, 60), PatternPlacement::Tile);
  EXPECT_EQ(patternPlacement(card, 92, 146), PatternPlacement::Tile)
      << "halves of 185 and 293 are 92 and 146";
  EXPECT_EQ(patternPlacement(card, 100, 60), PatternPlacement::Stretch);
  EXPECT_EQ(patternPlacement(card, 93, 60), PatternPlacement::Stretch);
  EXPECT_EQ(patternPlacement(card, 60, 147), PatternPlacement::Stretch);
  card.fillStyle = FillStyle::Flood;
  EXPECT_EQ(patternPlacement(card, 60, 60), PatternPlacement::Flood);
  EXPECT_EQ(patternPlacement(card, 100, 60), PatternPlacement::Stretch);

  card.patternMode = PatternMode::Tile;
  EXPECT_EQ(patternPlacement(card, 400, 400), PatternPlacement::Flood);
  card.fillStyle = FillStyle::Fill;
  EXPECT_EQ(patternPlacement(card, 400, 400), PatternPlacement::Tile);
  card.patternMode = PatternMode::Stretch;
  EXPECT_EQ(patternPlacement(card, 10, 10), PatternPlacement::Stretch);
}

TEST_F(PatternDrawing, OnScreenTheCardAndItsBackgroundCopyGetTheSameDrawing) {
  givePattern(60, 60);
  EXPECT_EQ(drawPattern(context, canvas, CardPlacement::onScreen(card)), PatternResult::Drawn);
  ASSERT_EQ(canvas.calls.size(), 1u);
  const CanvasCall& tile = canvas.calls[0];
  EXPECT_EQ(tile.kind, CanvasCallKind::BrushFill);
  EXPECT_EQ(tile.rect, (Rect{0, 0, 185, 293}));
  EXPECT_EQ(tile.imageWidth, 60);
  EXPECT_EQ(tile.placement.origin, (Point{0, 0}));
  ASSERT_EQ(pictures.pictureCalls.size(), 1u);
  EXPECT_EQ(pictures.pictureCalls[0].kind, CanvasCallKind::BrushFill);
  EXPECT_EQ(pictures.pictureCalls[0].rect, tile.rect);
  ASSERT_TRUE(state.backgroundCopy);
  EXPECT_EQ(state.backgroundCopy->width(), 185);
  EXPECT_EQ(state.backgroundCopy->pixel(0, 0), opaquePixel(card.cardColor));
  EXPECT_TRUE(state.patternShown);
  EXPECT_TRUE(prompter.shown.empty());

  // The file is read once and kept.
  drawPattern(context, canvas, CardPlacement::onScreen(card));
  EXPECT_EQ(pictures.reads.size(), 1u);
}

TEST_F(PatternDrawing, FloodStartsInsideTheCornerOnTheCardColour) {
  givePattern(60, 60);
  card.fillStyle = FillStyle::Flood;
  drawPattern(context, canvas, CardPlacement::onScreen(card));
  const auto floods = canvas.callsOf(CanvasCallKind::FloodFill);
  ASSERT_EQ(floods.size(), 1u);
  EXPECT_EQ(floods[0].start, (Point{1, 1}));
  EXPECT_EQ(floods[0].colour, card.cardColor);
}

TEST_F(PatternDrawing, OnAPageThePatternKeepsItsScreenSizeAndAFloodComesFromTheCardsPicture) {
  givePattern(60, 60);
  const CardPlacement page = CardPlacement::onSheet(card, {118, 1962}, 6.25, 6.25);
  drawPattern(context, canvas, page);
  const CanvasCall tile = canvas.calls.at(0);
  EXPECT_EQ(tile.rect, (Rect{118, 1962, 118 + 1156, 1962 + 1831}));
  EXPECT_EQ(tile.placement.origin, (Point{118, 1962}));
  EXPECT_DOUBLE_EQ(tile.placement.scaleX, 6.25);
  EXPECT_TRUE(pictures.pictureCalls.empty()) << "a tiled page leaves the card window's copy as it is";

  canvas.calls.clear();
  card.fillStyle = FillStyle::Flood;
  EXPECT_EQ(drawPattern(context, canvas, page), PatternResult::Drawn);
  ASSERT_EQ(canvas.calls.size(), 1u);
  EXPECT_EQ(canvas.calls[0].kind, CanvasCallKind::Image);
  EXPECT_EQ(canvas.calls[0].rect, tile.rect);
  EXPECT_EQ(canvas.calls[0].imageWidth, 185);
  EXPECT_EQ(pictures.pictureCalls.back().kind, CanvasCallKind::FloodFill);
}

TEST_F(PatternDrawing, NoPatternFileAndUnreadableFile) {
  EXPECT_EQ(drawPattern(context, canvas, CardPlacement::onScreen(card)), PatternResult::NoPatternFile);
  EXPECT_TRUE(state.patternShown);
  EXPECT_TRUE(state.backgroundCopy) << "the copy exists even without a pattern";

  card.patternFile = "c:\\motifs\\absent.bmp";
  EXPECT_EQ(drawPattern(context, canvas, CardPlacement::onScreen(card)), PatternResult::Unreadable);
  EXPECT_EQ(drawPattern(context, canvas, CardPlacement::onScreen(card)), PatternResult::Unreadable);
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{"fichier :c:\\motifs\\absent.bmp non accessible"});
  EXPECT_FALSE(state.patternShown);
  EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(PatternDrawing, AFailedDrawingIsReportedEveryTimeAndClearsTheShownMark) {
  givePattern(100, 60);
  canvas.failing = {CanvasCallKind::Image};
  EXPECT_EQ(drawPattern(context, canvas, CardPlacement::onScreen(card)), PatternResult::DrawingFailed);
  EXPECT_EQ(drawPattern(context, canvas, CardPlacement::onScreen(card)), PatternResult::DrawingFailed);
  ASSERT_EQ(prompter.texts(), (std::vector<std::string>{unsupported400, unsupported400}));
  EXPECT_EQ(prompter.shown[0].kind, MessageKind::Error);
  EXPECT_EQ(prompter.shown[0].helpContext, 9);
  EXPECT_FALSE(state.patternShown);
}

TEST_F(PatternDrawing, TheCompositeIsThePatternStretchedWithEachTransparentFrameText) {
  givePattern(60, 60);
  card.frame(1).text = RichText::fromPlainText("Anne Martin");
  card.frame(2).text = RichText::fromPlainText("rue des Lilas");
  card.frame(1).frameTransparent = true;
  ASSERT_TRUE(makeFrameTransparent(context, 1));
  ASSERT_EQ(pictures.pictureCalls.size(), 2u);
  EXPECT_EQ(pictures.pictureCalls[0].kind, CanvasCallKind::Image);
  EXPECT_EQ(pictures.pictureCalls[0].rect, (Rect{0, 0, 185, 293}));
  EXPECT_EQ(pictures.pictureCalls[1].kind, CanvasCallKind::RichText);
  EXPECT_EQ(pictures.pictureCalls[1].rect, (Rect{48, 24, 48 + 89, 24 + 81}));
  EXPECT_EQ(pictures.pictureCalls[1].text, "Anne Martin");

  // A second transparent frame is drawn into the same composite.
  card.frame(2).frameTransparent = true;
  makeFrameTransparent(context, 2);
  EXPECT_EQ(pictures.pictureCalls.size(), 3u);

  // The composite is reused on every card of a sheet and rebuilt when it was forgotten.
  drawTransparencyComposite(context, canvas, CardPlacement::onSheet(card, {0, 0}, 6.25, 6.25));
  drawTransparencyComposite(context, canvas, CardPlacement::onSheet(card, {1200, 0}, 6.25, 6.25));
  EXPECT_EQ(pictures.pictureCalls.size(), 3u);
  EXPECT_EQ(canvas.callsOf(CanvasCallKind::Image).size(), 2u);
  state.forgetPattern();
  drawTransparencyComposite(context, canvas, CardPlacement::onScreen(card));
  EXPECT_EQ(pictures.pictureCalls.size(), 6u);
  EXPECT_EQ(pictures.reads.size(), 2u);

  // A card of another size gets a composite of its own size.
  card.cardWidth = 340;
  drawTransparencyComposite(context, canvas, CardPlacement::onScreen(card));
  EXPECT_EQ(pictures.pictureCalls.size(), 9u);
  EXPECT_EQ(state.transparencyComposite->width(), 340);
}

TEST_F(PatternDrawing, RedrawingTransparentFramesNeedsOne) {
  givePattern(60, 60);
  EXPECT_TRUE(redrawTransparentFrames(context));
  EXPECT_FALSE(state.transparencyComposite);
  card.frame(2).frameTransparent = true;
  EXPECT_TRUE(redrawTransparentFrames(context));
  ASSERT_EQ(pictures.pictureCalls.size(), 2u);
  EXPECT_EQ(pictures.pictureCalls[1].rect, (Rect{0, 144, 185, 289}));
}

TEST_F(PatternDrawing, AFailedCompositeIsReported) {
  givePattern(60, 60);
  card.frame(1).frameTransparent = true;
  pictures.failing = {CanvasCallKind::RichText};
  EXPECT_FALSE(makeFrameTransparent(context, 1));
  canvas.failing = {CanvasCallKind::Image};
  EXPECT_FALSE(drawTransparencyComposite(context, canvas, CardPlacement::onScreen(card)));
  EXPECT_EQ(prompter.texts(), (std::vector<std::string>{unsupported400, unsupported400}));
}

}  // namespace orvane
