#include "render/print_shop_drawing.h"

#include <utility>

#include "render/card_sheet.h"
#include "render/pattern_drawing.h"
#include "text/rounding.h"

namespace orvane {

namespace {

constexpr Colour registrationBlack = 0x000000;

// The pieces around `inner` out to the bleed's edges: a band on each side and the four corners.
struct BleedPieces {
  Rect top, bottom, left, right;
  Rect topLeft, topRight, bottomLeft, bottomRight;
};

BleedPieces bleedPieces(const Rect& inner, const Rect& bleed) {
  return {{inner.left, bleed.top, inner.right, inner.top},
          {inner.left, inner.bottom, inner.right, bleed.bottom},
          {bleed.left, inner.top, inner.left, inner.bottom},
          {inner.right, inner.top, bleed.right, inner.bottom},
          {bleed.left, bleed.top, inner.left, inner.top},
          {inner.right, bleed.top, bleed.right, inner.top},
          {bleed.left, inner.bottom, inner.left, bleed.bottom},
          {inner.right, inner.bottom, bleed.right, bleed.bottom}};
}

// A pattern stretched over the card runs on as its outer rows and columns, stretched out to the bleed's
// edges. The pieces reach one card pixel under the card, which is drawn over them, so that no seam
// shows between the two.
void extendEdges(Canvas& canvas, const Image& picture, const PrintShopPage& page) {
  const CardPlacement& card = page.card;
  const int overlapX = roundToInt(card.ratioX);
  const int overlapY = roundToInt(card.ratioY);
  const Rect inner{card.rect.left + overlapX, card.rect.top + overlapY, card.rect.right - overlapX,
                   card.rect.bottom - overlapY};
  const BleedPieces pieces = bleedPieces(inner, page.bleed);
  const int w = picture.width();
  const int h = picture.height();
  const std::pair<Rect, Rect> sources[] = {
      {pieces.top, {0, 0, w, 1}},
      {pieces.bottom, {0, h - 1, w, h}},
      {pieces.left, {0, 0, 1, h}},
      {pieces.right, {w - 1, 0, w, h}},
      {pieces.topLeft, {0, 0, 1, 1}},
      {pieces.topRight, {w - 1, 0, w, 1}},
      {pieces.bottomLeft, {0, h - 1, 1, h}},
      {pieces.bottomRight, {w - 1, h - 1, w, h}},
  };
  for (const auto& [piece, source] : sources)
    if (!piece.isEmpty()) canvas.drawImage(piece, picture.cropped(source, 0));
}

// The background under the whole bleed, before the card is drawn over it, as the card lays it: its
// colour, its tiles, or the edges of the pattern stretched over it (a frame made transparent shows the
// pattern stretched).
void drawBleed(RenderContext& context, Canvas& canvas, const PrintShopPage& page, bool colourChosen) {
  if (page.bleed == page.card.rect) return;
  const CardModel& card = context.card;
  const auto& pattern = context.state.patternBitmap;
  if (card.patternFile.empty() || !pattern) {
    if (colourChosen) canvas.fillRectangle(page.bleed, card.cardColor);
    return;
  }
  const bool composite = card.frame(1).frameTransparent || card.frame(2).frameTransparent;
  const PatternPlacement placement =
      composite ? PatternPlacement::Stretch : patternPlacement(card, pattern->width(), pattern->height());
  if (placement == PatternPlacement::Stretch) {
    extendEdges(canvas, *pattern, page);
  } else {
    // A flood covers the whole card, as nothing but its colour lies under the pattern: it tiles.
    canvas.fillRectangleWithBrush(page.bleed, *pattern, patternBrush(page.card));
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
  drawBleed(context, canvas, page, settings.cardColourChosen);
  drawSheetCard(context, canvas, sheet, page.card);
  for (const Rect& mark : page.cropMarks) canvas.fillRectangle(mark, registrationBlack);
}

}  // namespace orvane
