#include "render/sheet_layout.h"

#include <gtest/gtest.h>

namespace orvane {

namespace {

CardModel verticalCard() {
  CardModel card;
  card.cardWidth = 185;
  card.cardHeight = 293;
  card.orientation = Orientation::Vertical;
  return card;
}

}  // namespace

TEST(SheetLayout, GapsWidenOnlyFromRatioFour) {
  EXPECT_EQ(sheetGap(6.25, 8), 13);  // round(6.25 x 8 x 4 / 15) = round(13.33)
  EXPECT_EQ(sheetGap(3.125, 8), 8);
  EXPECT_EQ(sheetGap(4.0, 8), 9);  // 8.53
  EXPECT_EQ(sheetGap(3.99, 8), 8);
  EXPECT_EQ(sheetGap(7.5, 15), 30);
}

TEST(SheetLayout, GridFollowsTheOrientationAndItsAxes) {
  const PrintRatios ratios{6.25, 3.125};
  const SheetGrid vertical = sheetGrid(Orientation::Unset, ratios, 8, false);
  EXPECT_EQ(vertical.rows, 3);
  EXPECT_EQ(vertical.columns, 4);
  EXPECT_EQ(vertical.verticalGap, 8);     // ratio y
  EXPECT_EQ(vertical.horizontalGap, 13);  // ratio x

  const SheetGrid horizontal = sheetGrid(Orientation::Horizontal, ratios, 8, false);
  EXPECT_EQ(horizontal.rows, 4);
  EXPECT_EQ(horizontal.columns, 3);
  EXPECT_EQ(horizontal.verticalGap, 13);   // ratio x
  EXPECT_EQ(horizontal.horizontalGap, 8);  // ratio y

  const SheetGrid test = sheetGrid(Orientation::Horizontal, ratios, 8, true);
  EXPECT_EQ(test.rows, 1);
  EXPECT_EQ(test.columns, 1);
}

TEST(SheetLayout, MarginsAreFiveMillimetresUnlessThePrinterKeepsThatMuch) {
  // 600 dpi: 4 mm is 94.5 dots, 6 mm 141.7 dots.
  PrinterMeasurements printer = PrinterMeasurements::a4(600);
  printer.offsetX = 94;
  printer.offsetY = 142;
  const PageMargins margins = computePageMargins(printer, {6.25, 6.25}, 96);
  EXPECT_EQ(margins.leftShift, 118);  // round(6.25 x 5 x 96 x 0.03937)
  EXPECT_EQ(margins.leftOffset, 118 - 94);
  EXPECT_EQ(margins.topShift, 0);
  EXPECT_EQ(margins.topOffset, 0);

  printer.resolution = {300, 300};
  printer.offsetX = 0;
  const PageMargins lowResolution = computePageMargins(printer, {3.125, 3.125}, 96);
  EXPECT_EQ(lowResolution.leftShift, 59);  // 59.06
  EXPECT_EQ(lowResolution.topShift, 0);    // 142 dots at 300 dpi are 12 mm
}

TEST(SheetLayout, AColumnBeyondThePageIsLeftOutOfEveryRowAndARowBeyondEndsTheSheet) {
  const CardModel card = verticalCard();
  const PrintRatios ratios{6.25, 6.25};
  const SheetGrid grid = sheetGrid(Orientation::Vertical, ratios, 8, false);
  const PageMargins margins{118, 118, 0, 0};
  // The fourth column ends at 118 + 3508 + 1156 = 4782 dots, the third row at 118 + 3688 + 1831 = 5637.
  const auto narrow = cardPositions(card, grid, margins, ratios, 4781, 7000);
  ASSERT_EQ(narrow.size(), 9u);
  for (const Point& position : narrow) EXPECT_LT(position.x, 3000);
  const auto full = cardPositions(card, grid, margins, ratios, 4782, 7000);
  ASSERT_EQ(full.size(), 12u);
  // round(1156.25 x 3) + 3 gaps across, round(1831.25 x 2) + 2 gaps down: 3662.5 goes to the even 3662.
  EXPECT_EQ(full.back(), (Point{118 + 3469 + 39, 118 + 3662 + 26}));

  const auto shortPage = cardPositions(card, grid, margins, ratios, 4782, 5636);
  ASSERT_EQ(shortPage.size(), 8u);
  EXPECT_EQ(shortPage.back().y, 118 + 1831 + 13);
  EXPECT_TRUE(cardPositions(card, grid, margins, ratios, 4782, 1000).empty());
}

}  // namespace orvane
