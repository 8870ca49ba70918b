#pragma once
// Turning the card between vertical and horizontal: the size is exchanged and, unless the card is
// nearly square, frames and icon take the layout kept for the format, or one scaled from the start
// layout.

#include <optional>

#include "card/card_model.h"

namespace orvane {

enum class OrientationChange {
  None,           // the square format, or the card already has that orientation
  SizeExchanged,  // a nearly square card: only width and height were exchanged
  Relaid,         // size exchanged and frames and icon laid out again
};

struct OrientationSwitch {
  OrientationChange change = OrientationChange::None;
  bool iconSizeKept = false;  // the layout's icon size could not be drawn: the icon kept its own
};

/// Turns the card to `target`. `landscapeRatios` are measured again when a card of format 0 or of a
/// loaded file is turned horizontal, for later format changes of horizontal cards.
OrientationSwitch switchOrientation(CardModel& card, Orientation target,
                                    std::optional<LayoutRatios>& landscapeRatios);

}  // namespace orvane
