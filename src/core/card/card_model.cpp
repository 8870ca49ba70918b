#include "card/card_model.h"

#include <algorithm>
#include <limits>

#include "text/rounding.h"

namespace orvane {

namespace {

// The geometry the card window is designed with, at 96 pixels per inch.
constexpr int designResolution = 96;

struct DesignBox {
  int left;
  int top;
  int width;
  int height;
};

struct StartGeometry {
  int cardWidth;
  int cardHeight;
  DesignBox icon;
  std::array<DesignBox, 2> frames;
  std::array<FrameAlignmentCode, 2> frameAlignments;
};

constexpr StartGeometry startGeometry{
    182, 273, {8, 24, 32, 32}, {{{48, 24, 89, 81}, {0, 144, 185, 145}}}, {alignCentre, alignLeft}};

// The card window's start position on the screen, as percentages of the card size.
constexpr int startTopPercent = 15;
constexpr int startLeftPercent = 5;

int scaledToScreen(int designLength, int screenResolution) {
  // A display that reports no usable resolution gets the design geometry rather than an empty card.
  if (screenResolution <= 0) return designLength;
  return roundToInt(static_cast<double>(designLength) * screenResolution / designResolution);
}

int percentOf(int length, int percent) { return roundToInt(static_cast<double>(length) * percent / 100); }

double ratio(int part, int whole) { return static_cast<double>(part) / whole; }

// Snapshot slots hold 16-bit values; a length beyond that range keeps the nearest value it can hold.
std::int16_t toSnapshotValue(long long value) {
  return static_cast<std::int16_t>(std::clamp<long long>(value, std::numeric_limits<std::int16_t>::min(),
                                                         std::numeric_limits<std::int16_t>::max()));
}

void setupFrame(FrameModel& frame, const DesignBox& geometry, FrameAlignmentCode alignment,
                int screenResolution) {
  frame = FrameModel{};
  frame.frameLeft = scaledToScreen(geometry.left, screenResolution);
  frame.frameTop = scaledToScreen(geometry.top, screenResolution);
  frame.frameWidth = scaledToScreen(geometry.width, screenResolution);
  frame.frameHeight = scaledToScreen(geometry.height, screenResolution);
  frame.frameAlignment = alignment;
  frame.text.setAlignment(paragraphAlignmentOf(alignment));
}

}  // namespace

ParagraphAlignment paragraphAlignmentOf(int frameAlignment) {
  switch (frameAlignment) {
    case alignRight:
      return ParagraphAlignment::Right;
    case alignCentre:
      return ParagraphAlignment::Centre;
    default:
      return ParagraphAlignment::Left;
  }
}

LayoutRatios measureLayoutRatios(const CardModel& card) {
  const FrameModel& frame1 = card.frame(1);
  const FrameModel& frame2 = card.frame(2);
  LayoutRatios ratios;
  ratios.frame1Width = ratio(frame1.frameWidth, card.cardWidth);
  ratios.frame1Height = ratio(frame1.frameHeight, card.cardHeight);
  ratios.frame1Top = ratio(frame1.frameTop, card.cardHeight);
  ratios.frame2Width = ratio(frame2.frameWidth, card.cardWidth);
  ratios.frame2Height = ratio(frame2.frameHeight, card.cardHeight);
  ratios.frame2Top = ratio(frame2.frameTop, card.cardHeight);
  ratios.iconLeft = ratio(card.iconLeft, card.cardWidth);
  ratios.iconTop = ratio(card.iconTop, card.cardHeight);
  return ratios;
}

void setupStartCard(CardModel& card, int screenResolution) {
  card = CardModel{};
  const StartGeometry& start = startGeometry;
  card.cardWidth = scaledToScreen(start.cardWidth, screenResolution);
  card.cardHeight = scaledToScreen(start.cardHeight, screenResolution);
  card.iconLeft = scaledToScreen(start.icon.left, screenResolution);
  card.iconTop = scaledToScreen(start.icon.top, screenResolution);
  card.iconWidth = scaledToScreen(start.icon.width, screenResolution);
  card.iconHeight = scaledToScreen(start.icon.height, screenResolution);
  for (std::size_t i = 0; i < card.frames.size(); ++i)
    setupFrame(card.frames[i], start.frames[i], start.frameAlignments[i], screenResolution);

  card.cardTop = percentOf(card.cardHeight, startTopPercent);
  card.cardLeft = percentOf(card.cardWidth, startLeftPercent);
  card.designWidth = card.cardWidth;
  card.designHeight = card.cardHeight;
  card.designIconLeft = card.iconLeft;
  card.designIconTop = card.iconTop;
  card.layoutRatios = measureLayoutRatios(card);
  snapshotLayout(card, 0);
}

void snapshotLayout(CardModel& card, int slot) {
  LayoutSnapshot& snapshot = card.snapshot(slot);
  snapshot.frame1Top = toSnapshotValue(card.frame(1).frameTop);
  snapshot.frame1Width = toSnapshotValue(card.frame(1).frameWidth);
  snapshot.frame2Width = toSnapshotValue(card.frame(2).frameWidth);
  snapshot.frame1Height = toSnapshotValue(card.frame(1).frameHeight);
  snapshot.frame2Height = toSnapshotValue(card.frame(2).frameHeight);
  // The landscape values derive from the 16-bit values just stored.
  snapshot.landscapeFrame1Top = static_cast<std::int16_t>(snapshot.frame1Top / 2);
  snapshot.landscapeFrame1Width = toSnapshotValue(roundHalfEven(snapshot.frame1Width * 1.75));
  snapshot.landscapeFrame1Height = static_cast<std::int16_t>(snapshot.frame1Height / 2);
  snapshot.landscapeFrame2Height = static_cast<std::int16_t>(snapshot.frame2Height / 2);
  snapshot.iconTop = toSnapshotValue(card.iconTop);
  snapshot.iconLeft = toSnapshotValue(card.iconLeft);
  snapshot.iconWidth = toSnapshotValue(card.iconWidth);
  snapshot.iconHeight = toSnapshotValue(card.iconHeight);
  snapshot.filled = true;
}

void applyFrameFonts(CardModel& card) {
  // Every body font goes first so that the header font then overrides it on the first line.
  for (FrameModel& frame : card.frames)
    if (frame.bodyFont.isSet()) frame.text.applyFormat(0, frame.text.length(), frame.bodyFont);
  for (FrameModel& frame : card.frames)
    if (frame.headerFont.isSet()) frame.text.applyFormat(0, frame.text.firstLineLength(), frame.headerFont);
}

FontSpec readHeaderFont(const CardModel& card, int number) {
  const RichText& text = card.frame(number).text;
  return text.selectionFormat(0, text.firstLineLength());
}

bool headerFontMatches(const CardModel& card, int number) {
  // Style, colour, size and name: every field of the font.
  return readHeaderFont(card, number) == card.frame(number).headerFont;
}

void setCardAccess(CardModel& card, bool on) {
  card.cardAccess = on;
  for (FrameModel& frame : card.frames) {
    frame.readOnly = !on;
    if (on)
      frame.accessColor = frame.frameColor;
    else
      frame.frameColor = frame.accessColor;
  }
}

}  // namespace orvane
