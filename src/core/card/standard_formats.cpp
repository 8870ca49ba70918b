#include "card/standard_formats.h"

#include <array>
#include <cstdint>

#include "catalogue/catalogue.h"
#include "text/rounding.h"

namespace orvane {

namespace {

struct StandardFormat {
  int nameId;
  bool fitA4Allowed;
  int width;  // of the horizontal card; the vertical card exchanges width and height
  int height;
};

constexpr std::array<StandardFormat, 5> standardFormats{{
    {1132, true, 293, 185},   // défaut
    {1133, true, 321, 207},   // normal
    {1134, false, 370, 245},  // moyen
    {1135, false, 480, 313},  // grand
    {1136, false, 302, 302},  // carré
}};

// The A4 fit of a horizontal card; a vertical one exchanges the two.
constexpr int a4FitWidth = 363;
constexpr int a4FitHeight = 189;

void setCardSize(CardModel& card, int horizontalWidth, int horizontalHeight) {
  card.cardWidth = isHorizontal(card) ? horizontalWidth : horizontalHeight;
  card.cardHeight = isHorizontal(card) ? horizontalHeight : horizontalWidth;
}

int proportion(double ratio, int length) { return roundToInt(ratio * length); }

}  // namespace

std::optional<int> standardFormatNamed(std::string_view text, Language language) {
  for (std::size_t index = 0; index < standardFormats.size(); ++index)
    if (catalogue::text(language, standardFormats[index].nameId) == text) return static_cast<int>(index);
  return std::nullopt;
}

bool fitA4AllowedFor(int formatIndex) { return standardFormats.at(formatIndex).fitA4Allowed; }

void applyStandardFormat(CardModel& card, int formatIndex) {
  const StandardFormat& format = standardFormats.at(formatIndex);
  setCardSize(card, format.width, format.height);
  card.formatIndex = formatIndex;
}

LayoutRatios defaultLandscapeRatios() {
  LayoutRatios ratios;
  ratios.frame1Width = 0.46;
  ratios.frame2Width = 0.96;
  ratios.frame1Height = 0.25;
  ratios.frame2Height = 0.45;
  ratios.frame1Top = 0.075;
  ratios.frame2Top = 0.45;
  ratios.iconLeft = 0.04;
  ratios.iconTop = 0.075;
  return ratios;
}

void relayoutProportional(CardModel& card, const std::optional<LayoutRatios>& landscapeRatios) {
  const LayoutRatios ratios =
      isHorizontal(card) ? landscapeRatios.value_or(defaultLandscapeRatios()) : card.layoutRatios;
  FrameModel& frame1 = card.frame(1);
  FrameModel& frame2 = card.frame(2);
  frame1.frameWidth = proportion(ratios.frame1Width, card.cardWidth);
  frame2.frameWidth = proportion(ratios.frame2Width, card.cardWidth);
  frame1.frameHeight = proportion(ratios.frame1Height, card.cardHeight);
  frame2.frameHeight = proportion(ratios.frame2Height, card.cardHeight);
  for (FrameModel& frame : card.frames) frame.frameLeft = (card.cardWidth - frame.frameWidth) / 2;
  frame1.frameTop = proportion(ratios.frame1Top, card.cardHeight);
  frame2.frameTop = proportion(ratios.frame2Top, card.cardHeight);
  card.iconLeft = proportion(ratios.iconLeft, card.cardWidth);
  card.iconTop = proportion(ratios.iconTop, card.cardHeight);
}

void snapshotAfterFormatChange(CardModel& card) {
  // The start layout (format 0) is never overwritten, and horizontal layouts are derived, not kept.
  if (card.formatIndex < 1 || card.formatIndex > squareFormat || isHorizontal(card)) return;
  // Frame 2's width is not kept: a turned card spans it across the card whatever it was.
  LayoutSnapshot& slot = card.snapshot(card.formatIndex);
  const std::int16_t frame2Width = slot.frame2Width;
  snapshotLayout(card, card.formatIndex);
  slot.frame2Width = frame2Width;
}

void fitToA4(CardModel& card) { setCardSize(card, a4FitWidth, a4FitHeight); }

}  // namespace orvane
