#pragma once
// Where a card lies on a canvas: alone on its window or picture, or scaled to printer dots on a page.

#include "card/card_model.h"
#include "graphics/geometry.h"

namespace orvane {

struct CardPlacement {
  Rect rect;
  double ratioX = 1;  // canvas units per screen pixel of the card
  double ratioY = 1;
  bool onPage = false;  // a printer page, which cannot be read back

  /// The card on its own window or picture: from (0, 0), one unit per pixel.
  static CardPlacement onScreen(const CardModel& card);
  /// The card with its top-left corner at `position` on a page, scaled by the print ratios.
  static CardPlacement onSheet(const CardModel& card, Point position, double ratioX, double ratioY);

  /// The rectangle (left, top, width, height) of the card, in screen pixels from the card's corner,
  /// where it lies on the canvas.
  Rect scaled(int left, int top, int width, int height) const;
};

}  // namespace orvane
