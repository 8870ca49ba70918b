#include "render/qr_drawing.h"

#include "catalogue/catalogue.h"
#include "contact/vcard.h"
#include "render/card_sheet.h"
#include "render_fixture.h"

namespace orvane {

namespace {

constexpr Colour white = 0xFFFFFF;

struct QrDrawing : RenderFixture {
  void SetUp() override {
    RenderFixture::SetUp();
    card.contact.contact.familyName = "Dupont";
    card.contact.qr = {true, 10, 20, 30, QrColour::Black};
    // Two rows: a dark run of two modules and a lone one, then a light row.
    pictures.qrCode = QrCode{3, {1, 1, 0, 0, 0, 1, 0, 0, 0}};
    card.frame(1).bodyFont.colour = 0x112233;
  }

  std::vector<Rect> fills(Colour colour) const {
    std::vector<Rect> rects;
    for (const CanvasCall& call : canvas.callsOf(CanvasCallKind::Fill))
      if (call.colour == colour) rects.push_back(call.rect);
    return rects;
  }
};

}  // namespace

TEST(QrModuleGrid, WholeUnitsAModuleCentredInTheSquare) {
  const QrModuleGrid grid = qrModuleGrid(Rect::fromSize(100, 200, 100, 100), 21);
  EXPECT_EQ(grid.moduleSize, 3);
  EXPECT_EQ(grid.side, 87);
  EXPECT_EQ(grid.origin, (Point{106, 206}));
  // Too small a square still gets one unit a module rather than none.
  EXPECT_EQ(qrModuleGrid(Rect::fromSize(0, 0, 20, 20), 21).moduleSize, 1);
}

TEST_F(QrDrawing, DarkModulesAreRunsOfSquaresOnALightQuietZone) {
  // 3 modules and 8 of quiet zone in 30 pixels: 2 pixels a module, 22 in all, 4 pixels of margin.
  EXPECT_TRUE(drawCardQrCode(context, canvas, CardPlacement::onScreen(card), false));
  EXPECT_EQ(pictures.qrTexts, std::vector<std::string>{writeVCard(card.contact.contact)});
  EXPECT_EQ(fills(white), std::vector<Rect>{Rect::fromSize(14, 24, 22, 22)});
  const int codeLeft = 14 + 8;
  const int codeTop = 24 + 8;
  EXPECT_EQ(fills(0x000000), (std::vector<Rect>{Rect::fromSize(codeLeft, codeTop, 4, 2),
                                                Rect::fromSize(codeLeft + 4, codeTop + 2, 2, 2)}));

  // Frame 1's font colour on a colour print, black in black and white.
  card.contact.qr.colour = QrColour::Frame1;
  canvas.calls.clear();
  drawCardQrCode(context, canvas, CardPlacement::onScreen(card), false);
  EXPECT_EQ(fills(0x112233).size(), 2u);
  canvas.calls.clear();
  drawCardQrCode(context, canvas, CardPlacement::onScreen(card), true);
  EXPECT_EQ(fills(0x000000).size(), 2u);
}

TEST_F(QrDrawing, NothingIsDrawnWhenHiddenOrWithoutContactAndATooLongOneIsReported) {
  card.contact.qr.shown = false;
  EXPECT_TRUE(drawCardQrCode(context, canvas, CardPlacement::onScreen(card), false));
  card.contact.qr.shown = true;
  card.contact.contact = {};
  EXPECT_TRUE(drawCardQrCode(context, canvas, CardPlacement::onScreen(card), false));
  EXPECT_TRUE(canvas.calls.empty());
  EXPECT_TRUE(pictures.qrTexts.empty());

  card.contact.contact.familyName = "Dupont";
  pictures.qrCode.reset();
  EXPECT_FALSE(drawCardQrCode(context, canvas, CardPlacement::onScreen(card), false));
  EXPECT_TRUE(canvas.calls.empty());
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{catalogue::format(language, 1142, "400")});
}

TEST_F(QrDrawing, TheCardEdgeCutsTheCodeAndEachCardOfTheSheetHasIt) {
  card.contact.qr.left = card.cardWidth - 10;
  drawCardQrCode(context, canvas, CardPlacement::onScreen(card), false);
  for (const CanvasCall& call : canvas.callsOf(CanvasCallKind::Fill))
    EXPECT_LE(call.rect.right, card.cardWidth);

  canvas.calls.clear();
  card.contact.qr.left = 10;
  SheetSettings settings;
  settings.printer = PrinterMeasurements::a4(600);
  settings.printMode = PrintMode::BlackAndWhite;
  card.contact.qr.colour = QrColour::Frame1;
  drawCardSheet(context, canvas, settings);
  // 30 pixels at 600 dpi are 187 dots: 17 dots a module, all squares of the same size.
  const std::vector<Rect> squares = fills(white);
  ASSERT_EQ(squares.size(), 12u);
  for (const Rect& square : squares) EXPECT_EQ(square.width(), 17 * 11);
  EXPECT_EQ(fills(0x000000).size(), 24u);

  // The card window's own picture of the code has room around the square for the largest code.
  pictures.pictureCalls.clear();
  const std::optional<QrCodePicture> picture = drawQrCodePicture(context);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->image.width(), 185);
  EXPECT_EQ(picture->corner, (Point{10 - 77, 20 - 77}));
  EXPECT_EQ(picture->image.pixel(0, 0), 0u) << "transparent around the quiet zone";
  ASSERT_FALSE(pictures.pictureCalls.empty());
  EXPECT_EQ(pictures.pictureCalls.front().rect, Rect::fromSize(77 + 4, 77 + 4, 22, 22));
  card.contact.qr.shown = false;
  EXPECT_FALSE(drawQrCodePicture(context));
}

}  // namespace orvane
