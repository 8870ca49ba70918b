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

  // The calls of `kind` that lie in the bleed, outside the trim.
  std::vector<CanvasCall> bleedCalls(CanvasCallKind kind, const PrintShopPage& page) const {
    std::vector<CanvasCall> calls = canvas.callsOf(kind);
    std::erase_if(calls, [&](const CanvasCall& call) {
      return call.rect.intersected(page.bleed) != call.rect ||
             !call.rect.intersected(page.card.rect).isEmpty();
    });
    return calls;
  }

  // Whether `calls` cover the bleed around the trim, without overlapping each other.
  static bool coverTheBleed(const std::vector<CanvasCall>& calls, const PrintShopPage& page) {
    long long covered = 0;
    for (const CanvasCall& call : calls) covered += area(call.rect);
    return covered == area(page.bleed) - area(page.card.rect);
  }
};

}  // namespace

TEST_F(PrintShopDrawing, TheColourRunsIntoTheBleedWhileTheTextsStayOnTheCard) {
  const PrintShopPage page = draw();
  const std::vector<CanvasCall> bands = bleedCalls(CanvasCallKind::Fill, page);
  EXPECT_TRUE(coverTheBleed(bands, page));
  for (const CanvasCall& band : bands) EXPECT_EQ(band.colour, cardColour);
  EXPECT_TRUE(canvas.callsOf(CanvasCallKind::Outline).empty()) << "no cutting outline on a print-shop page";
  const std::vector<CanvasCall> texts = canvas.callsOf(CanvasCallKind::TextAt);
  ASSERT_FALSE(texts.empty());
  for (const CanvasCall& text : texts) EXPECT_EQ(text.rect.intersected(page.card.rect), text.rect);
  std::vector<CanvasCall> marks = canvas.callsOf(CanvasCallKind::Fill);
  std::erase_if(marks, [](const CanvasCall& call) { return call.colour != 0x000000; });
  EXPECT_EQ(marks.size(), 8u);

  // A card whose colour was never chosen prints on white paper, bleed included.
  canvas.calls.clear();
  settings.cardColourChosen = false;
  EXPECT_TRUE(bleedCalls(CanvasCallKind::Fill, draw()).empty());
}

TEST_F(PrintShopDrawing, ATiledPatternGoesOnTilingAndAStretchedOneRunsOnFromItsEdges) {
  givePattern(20, 20);
  card.patternMode = PatternMode::Tile;
  PrintShopPage page = draw();
  const std::vector<CanvasCall> tiles = bleedCalls(CanvasCallKind::BrushFill, page);
  EXPECT_TRUE(coverTheBleed(tiles, page));
  for (const CanvasCall& band : tiles) {
    EXPECT_EQ(band.placement.origin, (Point{page.card.rect.left, page.card.rect.top}));
    EXPECT_DOUBLE_EQ(band.placement.scaleX, 12.5);
  }
  EXPECT_TRUE(bleedCalls(CanvasCallKind::Fill, page).empty());

  canvas.calls.clear();
  card.patternMode = PatternMode::Stretch;
  page = draw();
  const std::vector<CanvasCall> edges = bleedCalls(CanvasCallKind::Image, page);
  EXPECT_TRUE(coverTheBleed(edges, page));
  for (const CanvasCall& band : edges) EXPECT_TRUE(band.imageWidth == 1 || band.imageHeight == 1);
}

}  // namespace orvane
