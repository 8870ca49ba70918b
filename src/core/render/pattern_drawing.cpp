#include "render/pattern_drawing.h"

#include "text/rounding.h"

namespace orvane {

namespace {

bool placePattern(RenderContext& context, Canvas& canvas, const CardPlacement& placement) {
  const Image& pattern = *context.state.patternBitmap;
  switch (patternPlacement(context.card, pattern.width(), pattern.height())) {
    case PatternPlacement::Stretch:
      return canvas.drawImage(placement.rect, pattern);
    case PatternPlacement::Tile:
      return canvas.fillRectangleWithBrush(placement.rect, pattern, patternBrush(placement));
    case PatternPlacement::Flood:
      break;
  }
  // A page cannot be read back, so the flood is the one made on the card's own picture, scaled.
  if (placement.onPage) return canvas.drawImage(placement.rect, *context.state.backgroundCopy);
  const Point start{placement.rect.left + 1, placement.rect.top + 1};
  return canvas.floodFill(start, context.card.cardColor, pattern, patternBrush(placement));
}

void prepareBackgroundCopy(RenderContext& context) {
  const CardModel& card = context.card;
  auto& copy = context.state.backgroundCopy;
  if (!copy || copy->width() != card.cardWidth || copy->height() != card.cardHeight)
    copy = Image(card.cardWidth, card.cardHeight);
  copy->fill(opaquePixel(card.cardColor));
}

bool drawOnBackgroundCopy(RenderContext& context) {
  return placePattern(context, *context.pictures.canvasOn(*context.state.backgroundCopy),
                      CardPlacement::onScreen(context.card));
}

}  // namespace

BrushPlacement patternBrush(const CardPlacement& placement) {
  return {{placement.rect.left, placement.rect.top}, placement.ratioX, placement.ratioY};
}

PatternPlacement patternPlacement(const CardModel& card, int patternWidth, int patternHeight) {
  if (card.patternMode == PatternMode::Stretch) return PatternPlacement::Stretch;
  const bool tooBigToTile =
      patternWidth > roundToInt(card.cardWidth / 2.0) || patternHeight > roundToInt(card.cardHeight / 2.0);
  if (card.patternMode != PatternMode::Tile && tooBigToTile) return PatternPlacement::Stretch;
  return card.fillStyle == FillStyle::Flood ? PatternPlacement::Flood : PatternPlacement::Tile;
}

bool refreshBackgroundCopy(RenderContext& context) {
  prepareBackgroundCopy(context);
  if (context.card.patternFile.empty() || !context.loadPatternBitmap()) return true;
  return drawOnBackgroundCopy(context);
}

std::optional<Image> backgroundUnder(RenderContext& context, const Rect& area) {
  const CardModel& card = context.card;
  const Pixel cardPixel = opaquePixel(card.cardColor);
  const Image& pattern = *context.state.patternBitmap;
  if (patternPlacement(card, pattern.width(), pattern.height()) != PatternPlacement::Tile) {
    if (!refreshBackgroundCopy(context)) return std::nullopt;
    return context.state.backgroundCopy->cropped(area, cardPixel);
  }
  // Tiles are laid from the card's corner whatever part of the card is drawn: the area's pixels are the
  // copy's, without drawing the whole card again. Beyond the card's edge lies its colour, as in a crop.
  Image background(area.width(), area.height(), cardPixel);
  const Rect onCard = area.intersected(Rect::fromSize(0, 0, card.cardWidth, card.cardHeight));
  if (onCard.isEmpty()) return background;
  const Rect tiled{onCard.left - area.left, onCard.top - area.top, onCard.right - area.left,
                   onCard.bottom - area.top};
  const BrushPlacement fromCorner{{-area.left, -area.top}, 1, 1};
  if (!context.pictures.canvasOn(background)->fillRectangleWithBrush(tiled, pattern, fromCorner))
    return std::nullopt;
  return background;
}

PatternResult drawPattern(RenderContext& context, Canvas& canvas, const CardPlacement& placement) {
  RendererState& state = context.state;
  state.patternShown = true;
  const bool onScreen = !placement.onPage;
  if (onScreen) prepareBackgroundCopy(context);
  const std::string& path = context.card.patternFile;
  if (path.empty()) return PatternResult::NoPatternFile;
  if (!context.loadPatternBitmap()) {
    context.reportUnreadablePattern();
    return PatternResult::Unreadable;
  }
  // The copy first: a flood on a page takes its picture from it. A page drawn otherwise leaves the copy
  // as the card window drew it, rather than drawing it again for every card of the sheet.
  const Image& pattern = *state.patternBitmap;
  const bool floodOnPage = !onScreen && patternPlacement(context.card, pattern.width(), pattern.height()) ==
                                            PatternPlacement::Flood;
  if (floodOnPage) prepareBackgroundCopy(context);
  if (((onScreen || floodOnPage) && !drawOnBackgroundCopy(context)) ||
      !placePattern(context, canvas, placement)) {
    context.reportDrawingFailure();
    state.patternShown = false;
    return PatternResult::DrawingFailed;
  }
  return PatternResult::Drawn;
}

}  // namespace orvane
