#pragma once
// The rules of the "CARTE" group's shape controls: the standard formats list, the orientation list
// and "ajustement A4". The window (or a script) forwards what the user chose and shows the outcome.

#include <optional>
#include <string_view>

#include "card/card_model.h"
#include "shell/card_editor_shell.h"
#include "shell/size_warning.h"

namespace orvane {

/// What the shape controls keep between two uses, besides the card.
struct CardShapeState {
  /// Proportions measured on the last horizontal card of format 0 or of a loaded file; none at start.
  std::optional<LayoutRatios> landscapeRatios;
  /// Whether "ajustement A4" can be pressed.
  bool fitA4Enabled = true;
};

/// The standard formats list shows `shownText`: a format name sets the card size, the format and the
/// A4 button; whatever the text, the card is then laid out in proportion and the follow-up of the
/// list runs. Returns what the window still has to do.
ControlFollowUp chooseStandardFormat(CardEditorShell& shell, CardModel& card, CardShapeState& state,
                                     std::string_view shownText);

/// What the orientation list did.
struct OrientationConfirmed {
  ControlFollowUp followUp;  // none when the card was not laid out again
  SizeWarning warning;       // the layout's icon size was refused: the icon kept its own
};

/// Enter was released in the orientation list showing `shownText` ("horizontal" turns the card across,
/// any other text upright).
OrientationConfirmed confirmOrientation(CardEditorShell& shell, CardModel& card, CardShapeState& state,
                                        std::string_view shownText);

/// "ajustement A4"; does nothing while the button is disabled. True when the card was resized.
bool fitCardToA4(CardModel& card, const CardShapeState& state);

}  // namespace orvane
