#include <gtest/gtest.h>

#include "render/card_sheet.h"
#include "render/render_fixture.h"
#include "stock/length.h"
#include "stock/stock_layout.h"

namespace orvane {

namespace {

constexpr int dpi = 600;
constexpr double mmPerDot = mmPerInch / dpi;
constexpr double tolerance = 0.1;

CardStock gridStock(SizeMm paper, SizeMm cell, int columns, int rows, PointMm origin, PointMm pitch) {
  CardStock stock;
  stock.id = "test";
  stock.name = "test";
  stock.paper = paper;
  stock.cell = cell;
  stock.columns = columns;
  stock.rows = rows;
  stock.origin = origin;
  stock.pitch = pitch;
  return stock;
}

PrinterMeasurements letterPrinter() {
  PrinterMeasurements printer = PrinterMeasurements::a4(dpi);
  printer.pageWidth = printer.paperWidth = 5100;
  printer.pageHeight = printer.paperHeight = 6600;
  return printer;
}

struct StockSheet : RenderFixture {
  SheetSettings settings;

  void SetUp() override {
    RenderFixture::SetUp();
    card.cardWidth = 321;  // 85 x 54 mm at 96 pixels per inch
    card.cardHeight = 204;
    settings.printer = PrinterMeasurements::a4(dpi);
    settings.dateTime = "03/05/2024 14:07:09";
  }

  std::vector<Rect> cardOutlines() {
    std::vector<Rect> outlines;
    for (const CanvasCall& call : canvas.callsOf(CanvasCallKind::Outline))
      if (call.penStyle == PenStyle::Dotted) outlines.push_back(call.rect);
    return outlines;
  }

  bool footerDrawn() {
    for (const CanvasCall& call : canvas.callsOf(CanvasCallKind::TextLine))
      if (call.text.starts_with("Orvane-Brevanel : ")) return true;
    return false;
  }

  // Each card's centre lies on its cell's centre, in the order of the rows.
  void expectCardsCentredInCells(const CardStock& stock, PointMm shift = {}) {
    const std::vector<Rect> outlines = cardOutlines();
    ASSERT_EQ(outlines.size(), static_cast<std::size_t>(stock.columns * stock.rows)) << stock.name;
    for (int row = 0; row < stock.rows; ++row) {
      for (int column = 0; column < stock.columns; ++column) {
        const Rect& rect = outlines[static_cast<std::size_t>(row * stock.columns + column)];
        const PointMm cell = stock.cellCorner(column, row);
        EXPECT_NEAR((rect.left + rect.right) / 2.0 * mmPerDot, cell.x + stock.cell.width / 2 + shift.x,
                    tolerance);
        EXPECT_NEAR((rect.top + rect.bottom) / 2.0 * mmPerDot, cell.y + stock.cell.height / 2 + shift.y,
                    tolerance);
        EXPECT_NEAR(rect.width() * mmPerDot, 321 * mmPerInch / 96, tolerance);
      }
    }
  }
};

}  // namespace

TEST_F(StockSheet, CardsStandCentredInTheCellsOfEachPaper) {
  const CardStock a4 = gridStock({210, 297}, {85, 54}, 2, 5, {15, 13.5}, {95, 54});
  settings.stock = a4;
  drawCardSheet(context, canvas, settings);
  expectCardsCentredInCells(a4);
  EXPECT_TRUE(footerDrawn());

  canvas.calls.clear();
  const CardStock letter = gridStock({215.9, 279.4}, {88.9, 50.8}, 2, 4, {12.7, 19.05}, {101.6, 63.5});
  settings.stock = letter;
  settings.printer = letterPrinter();
  drawCardSheet(context, canvas, settings);
  expectCardsCentredInCells(letter);

  canvas.calls.clear();
  settings.testPrint = true;
  drawCardSheet(context, canvas, settings);
  EXPECT_EQ(cardOutlines().size(), 1u) << "a test print holds one card";
}

TEST_F(StockSheet, ThePrintableAreaAndTheCalibrationMoveEveryCard) {
  const CardStock a4 = gridStock({210, 297}, {85, 54}, 2, 4, {17, 31.5}, {91, 60});
  settings.stock = a4;
  settings.printer = PrinterMeasurements::a4(dpi, 100);  // printable from 100 dots off each edge
  settings.calibration = {2, -1.5, 100};
  drawCardSheet(context, canvas, settings);
  expectCardsCentredInCells(a4, {2 - 100 * mmPerDot, -1.5 - 100 * mmPerDot});

  canvas.calls.clear();
  settings.printer = PrinterMeasurements::a4(dpi);
  settings.calibration = {0, 0, 95};
  drawCardSheet(context, canvas, settings);
  const Rect last = cardOutlines().back();
  const PointMm cell = a4.cellCorner(1, 3);
  EXPECT_NEAR(last.left * mmPerDot, (cell.x + (85 - 321 * mmPerInch / 96) / 2) * 0.95, tolerance);
  EXPECT_NEAR(last.width() * mmPerDot, 321 * mmPerInch / 96 * 0.95, tolerance);
}

TEST_F(StockSheet, TheSheetOfTwelveMovesWithTheCalibrationAndIsOtherwiseAsBefore) {
  card.cardWidth = 185;
  card.cardHeight = 293;
  drawCardSheet(context, canvas, settings);
  const std::vector<Rect> plain = cardOutlines();
  ASSERT_EQ(plain.size(), 12u);
  EXPECT_EQ(plain[0].left, 118) << "5 mm at 600 dots per inch";

  canvas.calls.clear();
  settings.calibration = {2, -1.5, 100};
  drawCardSheet(context, canvas, settings);
  const std::vector<Rect> moved = cardOutlines();
  ASSERT_EQ(moved.size(), 12u);
  for (std::size_t index = 0; index < plain.size(); ++index) {
    EXPECT_NEAR((moved[index].left - plain[index].left) * mmPerDot, 2, mmPerDot);
    EXPECT_NEAR((moved[index].top - plain[index].top) * mmPerDot, -1.5, mmPerDot);
  }
}

TEST_F(StockSheet, TheFooterStaysOffTheCards) {
  settings.stock = gridStock({210, 297}, {85, 54}, 1, 1, {125, 243}, {85, 54});
  drawCardSheet(context, canvas, settings);
  EXPECT_EQ(cardOutlines().size(), 1u);
  EXPECT_FALSE(footerDrawn());
}

TEST(CardStockFit, ACardLargerThanTheCellsIsRefusedAndASmallerOneFits) {
  const CardStock stock = gridStock({210, 297}, {85, 54}, 2, 5, {15, 13.5}, {95, 54});
  EXPECT_EQ(cardFit({84.93, 53.98}, stock, 96), CardFit::Fits) << "within half a pixel";
  EXPECT_EQ(cardFit({80, 50}, stock, 96), CardFit::Smaller);
  EXPECT_EQ(cardFit({80, 56}, stock, 96), CardFit::Larger);
  EXPECT_EQ(cardFit({300, 300}, orvaneSheet(), 96), CardFit::Fits);
  CardModel card;
  card.cardWidth = 185;
  card.cardHeight = 293;
  EXPECT_EQ(stockRefusal(card, stock, 96, Language::French),
            "La carte (48.9 x 77.5 mm) est plus grande que les cases de la feuille test (85 x 54 mm) : "
            "choisissez une autre feuille ou réduisez la carte.");
  card.cardHeight = 200;
  EXPECT_EQ(stockRefusal(card, stock, 96, Language::French), std::nullopt);
}

}  // namespace orvane
