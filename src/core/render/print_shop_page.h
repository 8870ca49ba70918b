#pragma once
// The page a print shop takes: one card at its physical size (the trim), a bleed around it into which
// the card's background runs on, and, when asked, crop marks beyond the bleed. Lengths are dots of the
// page, from its top-left corner.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "card/card_model.h"
#include "render/card_placement.h"

namespace orvane {

/// The widest bleed a print shop asks for, and the one given when none is asked, in millimetres.
inline constexpr double maxBleedMm = 5;
inline constexpr double defaultBleedMm = 3;

/// A bleed as the user types it: millimetres from 0 to 5, with a decimal point or comma; nothing when
/// the text is not such a number.
std::optional<double> parseBleed(std::string_view text);

/// A card's physical size.
struct CardInches {
  double width = 0;
  double height = 0;
};

/// The size the card file at `path` records for the card, its pixels at its resolution: more exact
/// than the card's pixels once rescaled to a screen of `screenResolution`. Nothing when the file
/// records no usable resolution or size, or when `card` no longer has the size the file gives it.
std::optional<CardInches> recordedCardSize(const std::string& path, const CardModel& card,
                                           int screenResolution);

struct PrintShopSettings {
  int dpi = 1200;
  int screenResolution = 96;  // the card's pixels per inch, which its frames' lines are laid out for
  /// The card's size as its file records it; without it, the card's pixels at the screen resolution.
  std::optional<CardInches> recordedSize;
  double bleedMm = defaultBleedMm;
  bool cropMarks = false;
  /// As on the sheet: a colour never chosen leaves the paper white.
  bool cardColourChosen = true;
  std::array<bool, 2> frameColourChosen{true, true};
};

struct PrintShopPage {
  int dpi = 0;
  Rect media;          // the whole page, from (0, 0)
  Rect bleed;          // the trim grown by the bleed on each side
  CardPlacement card;  // the trim: where the card lies, at its physical size
  std::vector<Rect> cropMarks;
};

/// The page of `card` for `settings`.
PrintShopPage printShopPage(const CardModel& card, const PrintShopSettings& settings);

/// `dots` of a page of `dpi` dots per inch, in PDF points (1/72 inch).
double pointsFromDots(int dots, int dpi);

}  // namespace orvane
