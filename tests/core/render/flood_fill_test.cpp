#include "render/flood_fill.h"

#include <gtest/gtest.h>

namespace orvane {

namespace {

constexpr Colour cardColour = 0xF0C0CD;
constexpr Colour frameColour = 0xFFCDC0;

// A two-colour 2 x 2 brush, so that tests can tell where each brush pixel lands.
Image checkerBrush() {
  Image brush(2, 2, 0xFF000000u);
  brush.setPixel(1, 0, 0xFFFFFFFFu);
  brush.setPixel(0, 1, 0xFFFFFFFFu);
  return brush;
}

}  // namespace

TEST(FloodFill, PaintsOnlyTheConnectedAreaOfTheCardColour) {
  // A card with a frame-coloured block in the middle and a separate card-coloured pocket inside it.
  Image card(20, 12, opaquePixel(cardColour));
  for (int y = 3; y < 9; ++y)
    for (int x = 5; x < 15; ++x) card.setPixel(x, y, opaquePixel(frameColour));
  card.setPixel(9, 5, opaquePixel(cardColour));

  const Image brush = checkerBrush();
  const long long painted = floodFillWithBrush(card.view(), {1, 1}, cardColour, brush, {});

  EXPECT_EQ(painted, 20 * 12 - 6 * 10);
  EXPECT_EQ(card.pixel(0, 0), 0xFF000000u);
  EXPECT_EQ(card.pixel(1, 0), 0xFFFFFFFFu);
  EXPECT_EQ(card.pixel(19, 11), 0xFF000000u);
  EXPECT_EQ(card.pixel(5, 3), opaquePixel(frameColour));
  EXPECT_EQ(card.pixel(9, 5), opaquePixel(cardColour)) << "a pocket not connected to the start stays";
}

TEST(FloodFill, FollowsEdgesNotCornersAndStopsAtOtherColours) {
  // A diagonal wall: the two halves touch only at corners.
  Image surface(6, 6, opaquePixel(cardColour));
  for (int i = 0; i < 6; ++i) surface.setPixel(i, 5 - i, opaquePixel(frameColour));
  const Image brush(1, 1, 0xFF000000u);
  EXPECT_EQ(floodFillWithBrush(surface.view(), {0, 0}, cardColour, brush, {}), 15);
  EXPECT_EQ(surface.pixel(5, 5), opaquePixel(cardColour));
}

TEST(FloodFill, BrushOfTheAreaColourStillEnds) {
  Image surface(8, 8, opaquePixel(cardColour));
  const Image brush(3, 3, opaquePixel(cardColour));
  EXPECT_EQ(floodFillWithBrush(surface.view(), {1, 1}, cardColour, brush, {}), 64);
}

TEST(FloodFill, StartOutsideTheAreaOrTheSurfacePaintsNothing) {
  Image surface(4, 4, opaquePixel(frameColour));
  const Image brush = checkerBrush();
  EXPECT_EQ(floodFillWithBrush(surface.view(), {1, 1}, cardColour, brush, {}), 0);
  EXPECT_EQ(floodFillWithBrush(surface.view(), {4, 0}, frameColour, brush, {}), 0);
  EXPECT_EQ(floodFillWithBrush(surface.view(), {-1, 2}, frameColour, brush, {}), 0);
  EXPECT_EQ(surface, Image(4, 4, opaquePixel(frameColour)));
}

TEST(FloodFill, WorksOnARegionOfALargerStridedSurface) {
  // A 3 x 2 window into rows 5 pixels long: the pixels right of the window stay untouched.
  std::vector<Pixel> rows(5 * 2, opaquePixel(cardColour));
  const PixelView view{rows.data(), 3, 2, 5};
  const Image brush(1, 1, 0xFF000000u);
  EXPECT_EQ(floodFillWithBrush(view, {0, 0}, cardColour, brush, {}), 6);
  EXPECT_EQ(rows[3], opaquePixel(cardColour));
  EXPECT_EQ(rows[5], 0xFF000000u);
}

TEST(BrushPlacement, TilesFromTheOriginAtTheGivenScale) {
  const Image brush = checkerBrush();
  const BrushPlacement placement{{10, 20}, 2.0, 3.0};
  EXPECT_EQ(brushPixelAt(brush, placement, 10, 20), 0xFF000000u);
  EXPECT_EQ(brushPixelAt(brush, placement, 11, 22), 0xFF000000u) << "one brush pixel covers 2 x 3 units";
  EXPECT_EQ(brushPixelAt(brush, placement, 12, 20), 0xFFFFFFFFu);
  EXPECT_EQ(brushPixelAt(brush, placement, 14, 26), 0xFF000000u) << "the tile repeats";
  EXPECT_EQ(brushPixelAt(brush, placement, 8, 20), 0xFFFFFFFFu) << "left of the origin keeps the rhythm";
}

}  // namespace orvane
