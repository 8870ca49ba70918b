#include "render/print_shop_page.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace orvane {

namespace {

double millimetres(int dots, int dpi) { return dots * 25.4 / dpi; }

struct PrintShopPageTest : ::testing::Test {
  CardModel card;
  PrintShopSettings settings;

  void SetUp() override {
    setupStartCard(card, 96);
    card.cardWidth = 185;
    card.cardHeight = 293;
  }
};

}  // namespace

TEST_F(PrintShopPageTest, ACardFileSavedOnAnotherScreenGivesTheTrimItsRecordedSize) {
  // 227 x 341 pixels at 120 per inch, shown as 182 x 273 at 96.
  card.cardWidth = 182;
  card.cardHeight = 273;
  const std::string path = ORVANE_TEST_DATA "/cardfile/saved_at_120dpi.ov1";
  settings.recordedSize = recordedCardSize(path, card, 96);
  const PrintShopPage page = printShopPage(card, settings);
  EXPECT_NEAR(millimetres(page.card.rect.width(), page.dpi), 227 * 25.4 / 120, 0.05);
  EXPECT_NEAR(millimetres(page.card.rect.height(), page.dpi), 341 * 25.4 / 120, 0.05);
  EXPECT_EQ(page.media, page.bleed) << "without crop marks the page ends at the bleed";
  card.cardWidth += 1;
  EXPECT_FALSE(recordedCardSize(path, card, 96)) << "a card resized since it was loaded";
}

TEST_F(PrintShopPageTest, CropMarksLieBeyondTheBleedOnTheLinesOfTheTrimEdges) {
  settings.cropMarks = true;
  for (const double bleed : {0.0, 5.0}) {
    settings.bleedMm = bleed;
    const PrintShopPage page = printShopPage(card, settings);
    const Rect& trim = page.card.rect;
    ASSERT_EQ(page.cropMarks.size(), 8u);
    EXPECT_EQ(page.media.left, 0);
    EXPECT_NEAR(millimetres(page.bleed.left - page.media.left, page.dpi), 6, 0.05);
    for (const Rect& mark : page.cropMarks) {
      EXPECT_TRUE(mark.intersected(page.bleed).isEmpty()) << bleed;
      EXPECT_EQ(mark.intersected(page.media), mark) << "a mark is cut by the page edge";
      const bool horizontal = mark.width() > mark.height();
      EXPECT_NEAR(millimetres(horizontal ? mark.width() : mark.height(), page.dpi), 5, 0.05);
      // The mark's middle line is a trim edge.
      const int middle = horizontal ? (mark.top + mark.bottom) / 2 : (mark.left + mark.right) / 2;
      const int first = horizontal ? trim.top : trim.left;
      const int second = horizontal ? trim.bottom : trim.right;
      EXPECT_TRUE(std::abs(middle - first) <= 1 || std::abs(middle - second) <= 1);
    }
  }
}

TEST(PrintShopBleed, MillimetresFromZeroToFiveWithAPointOrAComma) {
  EXPECT_EQ(parseBleed(" 0 "), 0.0);
  EXPECT_EQ(parseBleed("5"), 5.0);
  EXPECT_EQ(parseBleed("2,5"), 2.5);
  EXPECT_EQ(parseBleed("2.5"), 2.5);
  for (const char* refused : {"", " ", "5.01", "6", "-1", "3mm", "2.5.1", ".", "1e0", "99999999999"})
    EXPECT_EQ(parseBleed(refused), std::nullopt) << '"' << refused << '"';
}

}  // namespace orvane
