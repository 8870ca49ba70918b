#pragma once
// The rules of the main window's card size, spacing, vertical position and icon controls, and of the
// boxes that put the card size and the icon position back to their design values. Each control has
// one function here, for the window and for scripts alike.

#include <optional>
#include <string>
#include <string_view>

#include "card/card_model.h"
#include "card/control_lists.h"
#include "shell/card_editor_shell.h"

namespace orvane {

/// The warning a size the editor cannot draw (nor read back from a card file) gets: "Problème
/// dimension" and "Information 110" on two lines.
using SizeWarning = std::optional<std::string>;

/// Sets `length` to `value` when it is at least `smallest` and the card file loader could read it
/// back; otherwise leaves it and gives the warning.
SizeWarning setDrawableLength(int& length, long long value, Language language, int smallest = 1);

/// What a card size list did.
struct CardSizeChange {
  ControlFollowUp followUp;
  SizeWarning warning;  // the size asked for was refused and left as it was
};

/// `combobox18keyup` (`list` cardWidthList) and `combobox19keyup` (cardLengthList): adds the offset
/// `text` gives to the card's width or height. Which one follows `orientationShown`, the text the
/// orientation list shows now (not the card's orientation): any text but the plain "orientation" and
/// "vertical" of the interface language swaps them. A size below 1 or above the largest the card
/// file loader takes is refused with a warning, the size left as it was.
CardSizeChange changeCardSize(CardModel& card, CardEditorShell& shell, ControlList list,
                              std::string_view text, std::string_view orientationShown);

/// `combobox12keyup`: the whole of `text` as an integer becomes the spacing; anything else (the title
/// "écart" included) leaves it, without a word.
ControlFollowUp changeSpacing(CardModel& card, CardEditorShell& shell, std::string_view text);

/// What an icon control changed.
struct IconChange {
  ControlFollowUp followUp;
  bool iconMoved = false;  // the icon's background is to be taken again from the card
  SizeWarning warning;     // the icon size asked for was refused and left as it was
};

/// `combobox9keyup`, `combobox10keyup`, `combobox17keyup`, `combobox11keyup` (`list` iconWidthList,
/// iconLengthList, iconMarginList or iconTopList): adds the offset `text` gives to the icon's width,
/// height, left or top; an icon size is held between 1 and the loader's bound as the card's is.
IconChange changeIcon(CardModel& card, CardEditorShell& shell, ControlList list, std::string_view text);

/// The reset boxes, by their number.
enum class ResetBox : int { cardWidth = 5, cardLength = 6, iconMargin = 7, iconTop = 8 };

/// What a reset box did.
struct ResetOutcome {
  bool uncheck = false;    // the box is to be unchecked again
  bool iconMoved = false;  // the icon's background is to be taken again from the card
  bool operator==(const ResetOutcome&) const = default;
};

/// `CheckBox5Click` to `CheckBox8Click`: the card size boxes act only when `checked` and then ask to
/// be unchecked (a horizontal card takes its width from the design height and the other way round);
/// the icon boxes act on every click and leave the box as the user set it.
ResetOutcome resetToDesign(CardModel& card, ResetBox box, bool checked);

/// The vertical track bar and the screen it places the card on.
struct TrackBar {
  int position = 1;
  int minimum = 1;
  int maximum = 100;
};

/// What the track bar did: either it snaps back to `minimum`, or the card window moves to `cardTop`.
struct TrackBarOutcome {
  bool snapBack = false;
  bool cardMoved = false;
};

/// `tb1_change`: while the card window is hidden the bar goes back to position 1 and nothing else
/// happens; otherwise the card's top becomes the position as a share of the screen height, and the
/// card window keeps it for the next card file load.
TrackBarOutcome tb1_change(CardModel& card, CardWindowState& cardWindow, bool cardVisible,
                           const TrackBar& bar, int screenHeight);

}  // namespace orvane
