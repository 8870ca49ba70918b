#include "render/print_shop_drawing.h"

#include <utility>

#include "render/card_sheet.h"
#include "render/pattern_drawing.h"

namespace orvane {

namespace {

constexpr Colour registrationBlack = 0x000000;

// The bleed around the trim: a band on each side, each reaching the corners or not.
struct BleedBands {
  Rect top, bottom, left, right;
  Rect topLeft, topRight, bottomLeft, bottomRight;
};

BleedBands bleedBands(const Rect& trim, const Rect& bleed) {
  return {{trim.left, bleed.top, trim.right, trim.top},
          {trim.left, trim.bottom, trim.right, bleed.bottom},
          {bleed.left, trim.top, trim.left, trim.bottom},
          {trim.right, trim.top, bleed.right, trim.bottom},
          {bleed.left, bleed.top, trim.left, trim.top},
          {trim.right, bleed.top, bleed.right, trim.top},
          {bleed.left, trim.bottom, trim.left, bleed.bottom},
          {trim.right, trim.bottom, bleed.right, bleed.bottom}};
}

// A picture stretched over the trim runs on as its outer rows and columns, stretched over the bands.
void extendEdges(Canvas& canvas, const Image& picture, const BleedBands& bands) {
  const int w = picture.width();
  const int h = picture.height();
  const std::pair<Rect, Rect> pieces[] = {
      {bands.top, {0, 0, w, 1}},
      {bands.bottom, {0, h - 1, w, h}},
      {bands.left, {0, 0, 1, h}},
      {bands.right, {w - 1, 0, w, h}},
      {bands.topLeft, {0, 0, 1, 1}},
      {bands.topRight, {w - 1, 0, w, 1}},
      {bands.bottomLeft, {0, h - 1, 1, h}},
      {bands.bottomRight, {w - 1, h - 1, w, h}},
  };
  for (const auto& [band, source] : pieces)
    if (!band.isEmpty()) canvas.drawImage(band, picture.cropped(source, 0));
}

void fillBands(const BleedBands& bands, const auto& fill) {
  for (const Rect& band : {bands.top, bands.bottom, bands.left, bands.right, bands.topLeft, bands.topRight,
                           bands.bottomLeft, bands.bottomRight})
    if (!band.isEmpty()) fill(band);
}

// The background continues beyond the trim as the card lays it: its colour, its tiles, or the edges of
// the pattern stretched over it. A frame made transparent shows the pattern stretched.
void drawBleed(RenderContext& context, Canvas& canvas, const PrintShopPage& page, bool colourChosen) {
  const CardModel& card = context.card;
  const BleedBands bands = bleedBands(page.card.rect, page.bleed);
  const auto& pattern = context.state.patternBitmap;
  if (card.patternFile.empty() || !pattern) {
    if (colourChosen) fillBands(bands, [&](const Rect& band) { canvas.fillRectangle(band, card.cardColor); });
    return;
  }
  const bool composite = card.frame(1).frameTransparent || card.frame(2).frameTransparent;
  const PatternPlacement placement =
      composite ? PatternPlacement::Stretch : patternPlacement(card, pattern->width(), pattern->height());
  switch (placement) {
    case PatternPlacement::Stretch:
      extendEdges(canvas, *pattern, bands);
      break;
    // A flood covers the whole card, as nothing but its colour lies under the pattern: it tiles.
    case PatternPlacement::Tile:
    case PatternPlacement::Flood:
      fillBands(bands, [&](const Rect& band) {
        canvas.fillRectangleWithBrush(band, *pattern, patternBrush(page.card));
      });
      break;
  }
}

}  // namespace

void drawPrintShopPage(RenderContext& context, Canvas& canvas, const PrintShopPage& page,
                       const PrintShopSettings& settings) {
  SheetSettings sheet;
  sheet.screenResolution = settings.screenResolution;
  sheet.cardColourChosen = settings.cardColourChosen;
  sheet.frameColourChosen = settings.frameColourChosen;
  sheet.cardOutlines = false;
  preparePrintedPictures(context);
  drawSheetCard(context, canvas, sheet, page.card);
  drawBleed(context, canvas, page, settings.cardColourChosen);
  for (const Rect& mark : page.cropMarks) canvas.fillRectangle(mark, registrationBlack);
}

}  // namespace orvane
