#include "render/card_placement.h"

#include "text/rounding.h"

namespace orvane {

CardPlacement CardPlacement::onScreen(const CardModel& card) {
  return {Rect::fromSize(0, 0, card.cardWidth, card.cardHeight), 1, 1, false};
}

CardPlacement CardPlacement::onSheet(const CardModel& card, Point position, double ratioX, double ratioY) {
  CardPlacement placement{Rect{}, ratioX, ratioY, true};
  placement.rect = Rect::fromSize(position.x, position.y, roundToInt(ratioX * card.cardWidth),
                                  roundToInt(ratioY * card.cardHeight));
  return placement;
}

Rect CardPlacement::scaled(int left, int top, int width, int height) const {
  return Rect::fromSize(rect.left + roundToInt(ratioX * left), rect.top + roundToInt(ratioY * top),
                        roundToInt(ratioX * width), roundToInt(ratioY * height));
}

}  // namespace orvane
