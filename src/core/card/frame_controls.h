#pragma once
// The rules of the controls of the "CADRE 1" and "CADRE 2" groups: the frame geometry lists, the text
// alignment lists and frame 2's placement. Each rule changes the card model and says what the frame's
// warning line must show; the window (or a script) then runs the common follow-up of the control.

#include <optional>
#include <string>
#include <string_view>

#include "card/card_model.h"
#include "card/control_lists.h"
#include "catalogue/language.h"

namespace orvane {

/// What a frame's warning line shows after a geometry change: a two-line text, or nothing, which
/// empties and hides the line.
using FrameWarning = std::optional<std::string>;

/// The frame (1 or 2) the control `list` of a frame group acts on.
int frameOfControl(ControlList list);

/// True for the eight lists that change a frame's size or position (1, 2, 3, 4, 7, 8, 14, 15).
bool isFrameGeometryList(ControlList list);

/// Applies the text `confirmed` in the frame geometry list `list` (`combobox1keyup`, `combobox3keyup`,
/// `combobox7keyup`, `combobox14_keyup` and their frame 2 twins): reads the offset, changes the frame
/// as the card's orientation asks, keeps the frame inside the card where the rule says so, and
/// returns the last warning shown, or nothing when the handler ends without one.
FrameWarning changeFrameGeometry(CardModel& card, ControlList list, std::string_view confirmed,
                                 Language language);

/// `frameLeft` that centres the frame on the card, truncated toward zero.
void centreFrame(const CardModel& card, FrameModel& frame);

/// `combobox5keyup` / `combobox6keyup`: the whole text of frame `number` takes the paragraph alignment
/// named by `item` ("gauche", "centré", "droite" in `language`); the title item, or any other text,
/// changes nothing. True when the frame changed.
bool alignFrameText(CardModel& card, int number, std::string_view item, Language language);

/// `combobox13keyup`: frame 2 goes to the left edge, the middle (rounded) or the right edge of the card
/// as `item` says; the title item, or any other text, changes nothing. True when the frame changed.
bool placeFrame2(CardModel& card, std::string_view item, Language language);

}  // namespace orvane
