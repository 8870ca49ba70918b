#include "shell/qr_controls.h"

#include <gtest/gtest.h>

#include "catalogue/catalogue.h"

namespace orvane {

TEST(QrControls, ListsMoveAndSizeTheCodeAndRefuseATooSmallSize) {
  const Language french = Language::French;
  QrPlacement qr;
  EXPECT_EQ(controlList(qrSizeList, french).items.front(), "taille+10");
  EXPECT_EQ(controlList(qrLeftList, french).items.front(), "marge + 10");
  EXPECT_FALSE(changeQrMeasure(qr, qrLeftList, "marge + 3", french));
  EXPECT_FALSE(changeQrMeasure(qr, qrTopList, "hauteur -5", french));
  EXPECT_FALSE(changeQrMeasure(qr, qrSizeList, "taille+10", french));
  EXPECT_EQ(qr.left, QrPlacement{}.left + 3);
  EXPECT_EQ(qr.top, QrPlacement{}.top - 5);
  EXPECT_EQ(qr.size, QrPlacement{}.size + 10);

  // A place may leave the card, not go beyond any card; a size below the smallest code is refused.
  EXPECT_FALSE(setQrMeasure(qr, qrLeftList, -40, french));
  EXPECT_EQ(qr.left, -40);
  EXPECT_TRUE(setQrMeasure(qr, qrTopList, 1LL << 40, french));
  EXPECT_EQ(qr.top, QrPlacement{}.top - 5);
  const SizeWarning refused = setQrMeasure(qr, qrSizeList, smallestQrSize - 1, french);
  EXPECT_EQ(refused, catalogue::text(french, 1149) + "\r\nInformation 110");
  EXPECT_EQ(qr.size, QrPlacement{}.size + 10);
  EXPECT_FALSE(setQrMeasure(qr, qrSizeList, smallestQrSize, french));
  EXPECT_EQ(qr.size, smallestQrSize);
}

}  // namespace orvane
