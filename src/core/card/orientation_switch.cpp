#include "card/orientation_switch.h"

#include "card/drawable_length.h"
#include "card/standard_formats.h"
#include "text/rounding.h"

namespace orvane {

namespace {

// A card whose sides differ by less than this share is only turned, never laid out again.
constexpr double nearlySquareBelow = 0.85;
constexpr double nearlySquareAbove = 1.15;

// Frame 2 spans the card but for this many pixels, and stands this far above its bottom edge.
constexpr int frame2WidthMargin = 3;
constexpr int frame2BottomMargin = 2;

bool nearlySquare(int width, int height) {
  return (height >= width && width > nearlySquareBelow * height) ||
         (height <= width && width < nearlySquareAbove * height);
}

// The geometry a turned card takes, read from a snapshot slot.
struct TurnedLayout {
  int frame1Top;
  int frame1Width;
  int frame1Height;
  int frame2Height;
  int iconTop;
  int iconLeft;
  int iconWidth;
  int iconHeight;
};

TurnedLayout turnedLayout(const LayoutSnapshot& slot, Orientation target) {
  if (target == Orientation::Horizontal)
    return {slot.landscapeFrame1Top,
            slot.landscapeFrame1Width,
            slot.landscapeFrame1Height,
            slot.landscapeFrame2Height,
            slot.iconTop / 2,
            slot.iconLeft * 2,
            slot.iconWidth,
            slot.iconHeight};
  return {slot.frame1Top, slot.frame1Width, slot.frame1Height, slot.frame2Height,
          slot.iconTop,   slot.iconLeft,    slot.iconWidth,    slot.iconHeight};
}

// Percentage the start layout is scaled by for a format that kept no layout of its own. A loaded
// card always keeps its layout; should it not, it is taken at its own scale.
double scaleOf(int formatIndex) {
  if (formatIndex < 0 || formatIndex >= static_cast<int>(orientationScales.size())) return 100;
  return orientationScales[static_cast<std::size_t>(formatIndex)];
}

int scaled(double scale, int value) { return roundToInt(scale * value * 0.01); }

// Lays the card out again; false when the icon kept its size, the layout's being one it cannot have.
bool applyTurnedLayout(CardModel& card, const TurnedLayout& layout, double scale) {
  FrameModel& frame1 = card.frame(1);
  FrameModel& frame2 = card.frame(2);
  frame1.frameTop = scaled(scale, layout.frame1Top);
  frame1.frameHeight = scaled(scale, layout.frame1Height);
  frame2.frameHeight = scaled(scale, layout.frame2Height);
  frame1.frameWidth = scaled(scale, layout.frame1Width);
  frame2.frameWidth = card.cardWidth - frame2WidthMargin;
  for (FrameModel& frame : card.frames)
    frame.frameLeft = roundToInt((card.cardWidth - frame.frameWidth) * 0.5);
  frame2.frameTop = card.cardHeight - frame2.frameHeight - frame2BottomMargin;
  card.iconTop = scaled(scale, layout.iconTop);
  card.iconLeft = scaled(scale, layout.iconLeft);
  const bool widthTaken = setDrawableLength(card.iconWidth, scaled(scale, layout.iconWidth));
  const bool heightTaken = setDrawableLength(card.iconHeight, scaled(scale, layout.iconHeight));
  return widthTaken && heightTaken;
}

}  // namespace

OrientationSwitch switchOrientation(CardModel& card, Orientation target,
                                    std::optional<LayoutRatios>& landscapeRatios) {
  const bool towardsHorizontal = target == Orientation::Horizontal;
  // Confirming the orientation the card has would turn it while it still claims the old one.
  if (card.formatIndex == squareFormat || towardsHorizontal == isHorizontal(card)) return {};
  const bool onlyExchange = nearlySquare(card.cardWidth, card.cardHeight);
  card.orientation = target;
  std::swap(card.cardWidth, card.cardHeight);
  if (onlyExchange) return {.change = OrientationChange::SizeExchanged};

  const int format = card.formatIndex;
  const LayoutSnapshot& kept = card.snapshot(format);
  const bool iconSizeTaken =
      kept.filled ? applyTurnedLayout(card, turnedLayout(kept, target), 100)
                  : applyTurnedLayout(card, turnedLayout(card.snapshot(0), target), scaleOf(format));
  if (towardsHorizontal && format <= 0) landscapeRatios = measureLayoutRatios(card);
  return {.change = OrientationChange::Relaid, .iconSizeKept = !iconSizeTaken};
}

}  // namespace orvane
