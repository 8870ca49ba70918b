#include "render/print_shop_drawing.h"

#include "render_fixture.h"

namespace orvane {

namespace {

constexpr Colour cardColour = 0x4080C0;

long long area(const Rect& rect) { return static_cast<long long>(rect.width()) * rect.height(); }

struct PrintShopDrawing : RenderFixture {
  PrintShopSettings settings;

  void SetUp() override {
    RenderFixture::SetUp();
    card.cardColor = cardColour;
    card.frame(1).text = RichText::fromPlainText("Anne Martin");
    settings.cropMarks = true;
  }

  PrintShopPage draw() {
    const PrintShopPage page = printShopPage(card, settings);
    drawPrintShopPage(context, canvas, page, settings);
    return page;
  }

  // The calls of `kind` drawn before the card's first text, which goes over them.
  std::vector<CanvasCall> underTheCard(CanvasCallKind kind) const {
    std::vector<CanvasCall> calls;
    for (const CanvasCall& call : canvas.calls) {
      if (call.kind == CanvasCallKind::TextAt) break;
      if (call.kind == kind) calls.push_back(call);
    }
    return calls;
  }
};

}  // namespace

TEST_F(PrintShopDrawing, TheColourRunsIntoTheBleedWhileTheTextsStayOnTheCard) {
  const PrintShopPage page = draw();
  const std::vector<CanvasCall> fills = underTheCard(CanvasCallKind::Fill);
  ASSERT_FALSE(fills.empty());
  EXPECT_EQ(fills.front().rect, page.bleed);
  EXPECT_EQ(fills.front().colour, cardColour);
  EXPECT_TRUE(canvas.callsOf(CanvasCallKind::Outline).empty()) << "no cutting outline on a print-shop page";
  const std::vector<CanvasCall> texts = canvas.callsOf(CanvasCallKind::TextAt);
  ASSERT_FALSE(texts.empty());
  for (const CanvasCall& text : texts) EXPECT_EQ(text.rect.intersected(page.card.rect), text.rect);

  // A card whose colour was never chosen prints on white paper, bleed included.
  canvas.calls.clear();
  settings.cardColourChosen = false;
  const Rect bleed = draw().bleed;
  for (const CanvasCall& fill : canvas.callsOf(CanvasCallKind::Fill)) EXPECT_NE(fill.rect, bleed);
}

TEST_F(PrintShopDrawing, ATiledPatternGoesOnTilingAndAStretchedOneRunsOnFromItsEdges) {
  givePattern(20, 20);
  card.patternMode = PatternMode::Tile;
  PrintShopPage page = draw();
  const std::vector<CanvasCall> tiles = underTheCard(CanvasCallKind::BrushFill);
  ASSERT_FALSE(tiles.empty());
  EXPECT_EQ(tiles.front().rect, page.bleed);
  EXPECT_EQ(tiles.front().placement.origin, (Point{page.card.rect.left, page.card.rect.top}));
  EXPECT_DOUBLE_EQ(tiles.front().placement.scaleX, 12.5);

  canvas.calls.clear();
  card.patternMode = PatternMode::Stretch;
  page = draw();
  std::vector<CanvasCall> edges = underTheCard(CanvasCallKind::Image);
  std::erase_if(edges, [&](const CanvasCall& call) { return call.rect == page.card.rect; });
  ASSERT_EQ(edges.size(), 8u);
  long long covered = 0;
  for (const CanvasCall& piece : edges) {
    EXPECT_TRUE(piece.imageWidth == 1 || piece.imageHeight == 1);
    EXPECT_EQ(piece.rect.intersected(page.bleed), piece.rect);
    covered += area(piece.rect) - area(piece.rect.intersected(page.card.rect));
  }
  EXPECT_EQ(covered, area(page.bleed) - area(page.card.rect)) << "the pieces leave a gap in the bleed";
}

}  // namespace orvane
