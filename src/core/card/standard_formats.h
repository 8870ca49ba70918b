#pragma once
// The standard card formats, the proportional re-layout that follows a format change, the layout
// kept per format for later orientation switches, and the A4 fit.

#include <optional>
#include <string_view>

#include "card/card_model.h"
#include "catalogue/language.h"

namespace orvane {

/// Index of the square format: its cards cannot be turned.
inline constexpr int squareFormat = 4;

/// The format index (0 "défaut" to 4 "carré") whose name `text` is in `language`; nothing for the
/// list's title or any other text.
std::optional<int> standardFormatNamed(std::string_view text, Language language);

/// Whether "ajustement A4" may be used once format `formatIndex` was chosen.
bool fitA4AllowedFor(int formatIndex);

/// Gives the card the size of format `formatIndex` in its orientation, and remembers the format.
void applyStandardFormat(CardModel& card, int formatIndex);

/// The proportions a horizontal card is laid out with while none were measured on one.
LayoutRatios defaultLandscapeRatios();

/// Sizes and places both frames and the icon in proportion with the card: a vertical card by the
/// start card's ratios, a horizontal one by `landscapeRatios` or, when none, the default proportions.
/// The icon keeps its size.
void relayoutProportional(CardModel& card, const std::optional<LayoutRatios>& landscapeRatios);

/// After a format change: a vertical card of formats 1 to 4 keeps its layout in its format's slot, so
/// that turning it later finds it again.
void snapshotAfterFormatChange(CardModel& card);

/// "ajustement A4": the card takes the size that fits the A4 sheet in its orientation; frames and icon
/// stay where they are.
void fitToA4(CardModel& card);

}  // namespace orvane
