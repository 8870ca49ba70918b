#include "card/card_model.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace orvane {
namespace {

using Box = std::vector<int>;  // left, top, width, height

Box boxOf(const FrameModel& frame) {
  return {frame.frameLeft, frame.frameTop, frame.frameWidth, frame.frameHeight};
}
Box iconOf(const CardModel& card) { return {card.iconLeft, card.iconTop, card.iconWidth, card.iconHeight}; }

CardModel startCard(int screenResolution) {
  CardModel card;
  setupStartCard(card, screenResolution);
  return card;
}

FontSpec font(const char* name, int size, Colour colour) {
  FontSpec format;
  format.name = name;
  format.size = static_cast<std::int16_t>(size);
  format.colour = colour;
  return format;
}

TEST(StartCard, ReplacesAnyEarlierStateWithTheStartValues) {
  CardModel card;
  card.cardAccess = true;
  card.iconFile = "old.ico";
  card.frame(1).text = RichText::fromPlainText("old text");
  card.frame(2).readOnly = false;
  card.snapshot(3).filled = true;
  setupStartCard(card, 96);

  EXPECT_EQ(Box({card.cardWidth, card.cardHeight, card.cardTop, card.cardLeft}), Box({182, 273, 41, 9}));
  EXPECT_EQ(iconOf(card), Box({8, 24, 32, 32}));
  EXPECT_EQ(Box({card.designWidth, card.designHeight, card.designIconLeft, card.designIconTop}),
            Box({182, 273, 8, 24}));
  EXPECT_EQ(boxOf(card.frame(1)), Box({48, 24, 89, 81}));
  EXPECT_EQ(boxOf(card.frame(2)), Box({0, 144, 185, 145}));
  EXPECT_EQ(card.cardColor, 0xF0C0CDu);
  EXPECT_FALSE(card.cardAccess);
  EXPECT_EQ(card.iconFile, "");
  EXPECT_EQ(card.formatIndex, 0);
  EXPECT_EQ(card.frame(1).frameAlignment, alignCentre);
  EXPECT_EQ(card.frame(1).text.paragraphs().at(0).alignment, ParagraphAlignment::Centre);
  EXPECT_EQ(card.frame(2).frameAlignment, alignLeft);
  EXPECT_EQ(card.frame(2).text.paragraphs().at(0).alignment, ParagraphAlignment::Left);
  for (const FrameModel& frame : card.frames) {
    EXPECT_EQ(frame.frameColor, 0xFFCDC0u);
    EXPECT_TRUE(frame.readOnly);
    EXPECT_TRUE(frame.text.isEmpty());
    EXPECT_FALSE(frame.headerFont.isSet() || frame.bodyFont.isSet());
  }
  for (int slot = -1; slot <= 6; ++slot) EXPECT_EQ(card.snapshot(slot).filled, slot == 0) << slot;
}

TEST(StartCard, GeometryScalesWithTheScreenResolutionTiesToEven) {
  const CardModel at120 = startCard(120);
  EXPECT_EQ(Box({at120.cardWidth, at120.cardHeight, at120.cardTop, at120.cardLeft}),
            Box({228, 341, 51, 11}));  // 227.5 -> 228
  EXPECT_EQ(boxOf(at120.frame(1)), Box({60, 30, 111, 101}));

  const CardModel at144 = startCard(144);
  EXPECT_EQ(boxOf(at144.frame(2)), Box({0, 216, 278, 218}));  // 277.5, 217.5
  EXPECT_EQ(at144.cardTop, 62);                               // 15 % of 410 = 61.5
  EXPECT_EQ(iconOf(at144), Box({12, 36, 48, 48}));

  const CardModel at72 = startCard(72);
  EXPECT_EQ(Box({at72.cardWidth, at72.designWidth, at72.cardLeft}), Box({136, 136, 7}));  // 136.5 -> 136

  EXPECT_EQ(startCard(0).cardWidth, 182) << "no usable resolution keeps the design size";
}

TEST(StartCard, CapturesTheLayoutRatiosOfTheScaledCard) {
  const LayoutRatios at96 = startCard(96).layoutRatios;
  EXPECT_DOUBLE_EQ(at96.frame1Width, 89.0 / 182);
  EXPECT_DOUBLE_EQ(at96.frame1Height, 81.0 / 273);
  EXPECT_DOUBLE_EQ(at96.frame1Top, 24.0 / 273);
  EXPECT_DOUBLE_EQ(at96.frame2Width, 185.0 / 182);
  EXPECT_DOUBLE_EQ(at96.frame2Height, 145.0 / 273);
  EXPECT_DOUBLE_EQ(at96.frame2Top, 144.0 / 273);
  EXPECT_DOUBLE_EQ(at96.iconLeft, 8.0 / 182);
  EXPECT_DOUBLE_EQ(at96.iconTop, 24.0 / 273);
  EXPECT_DOUBLE_EQ(startCard(144).layoutRatios.frame1Width, 134.0 / 273);
}

Box landscapeOf(const LayoutSnapshot& s) {
  return {s.landscapeFrame1Top, s.landscapeFrame1Width, s.landscapeFrame1Height, s.landscapeFrame2Height};
}

TEST(SnapshotLayout, StoresGeometryAndLandscapeValues) {
  const LayoutSnapshot start = startCard(96).snapshot(0);
  EXPECT_EQ(
      Box({start.frame1Top, start.frame1Width, start.frame2Width, start.frame1Height, start.frame2Height}),
      Box({24, 89, 185, 81, 145}));
  EXPECT_EQ(Box({start.iconTop, start.iconLeft, start.iconWidth, start.iconHeight}), Box({24, 8, 32, 32}));
  EXPECT_EQ(landscapeOf(start), Box({12, 156, 40, 72}));  // 89 x 1.75 = 155.75

  CardModel card = startCard(96);
  card.frame(1).frameTop = -7;
  card.frame(1).frameWidth = 6;  // x 1.75 = 10.5
  card.frame(1).frameHeight = 33;
  card.frame(2).frameHeight = 40000;
  snapshotLayout(card, -1);
  EXPECT_TRUE(card.snapshot(-1).filled);
  EXPECT_EQ(landscapeOf(card.snapshot(-1)), Box({-3, 10, 16, 16383}));
  EXPECT_EQ(card.snapshot(-1).frame2Height, 32767) << "a 16-bit slot keeps the nearest value it can hold";
  EXPECT_EQ(card.snapshot(0), start);

  card.frame(1).frameWidth = 2;  // x 1.75 = 3.5
  snapshotLayout(card, 6);
  EXPECT_EQ(card.snapshot(6).landscapeFrame1Width, 4);
  EXPECT_THROW(snapshotLayout(card, 7), std::out_of_range);
}

class FrameFonts : public ::testing::Test {
 protected:
  void SetUp() override {
    setupStartCard(card, 96);
    card.frame(1).text = RichText::fromPlainText("Title\nfirst body\nsecond body", original);
    card.frame(2).text = RichText::fromPlainText("Name\nline", original);
  }
  FontSpec formatOfLine(int frame, std::size_t line) const {
    return card.frame(frame).text.paragraphs().at(line).runs.at(0).format;
  }
  CardModel card;
  const FontSpec original = font("Courier New", 9, 0);
  const FontSpec header = font("Times New Roman", 14, 0x0000FF);
  const FontSpec body = font("Arial", 8, 0x808080);
};

TEST_F(FrameFonts, HeaderOverridesBodyOnTheFirstLineOnly) {
  card.frame(1).headerFont = header;
  card.frame(1).bodyFont = body;
  card.frame(2).bodyFont = body;
  applyFrameFonts(card);
  EXPECT_EQ(formatOfLine(1, 0), header);
  EXPECT_EQ(formatOfLine(1, 1), body);
  EXPECT_EQ(formatOfLine(1, 2), body);
  EXPECT_EQ(formatOfLine(2, 0), body);
  EXPECT_TRUE(headerFontMatches(card, 1));
  EXPECT_FALSE(headerFontMatches(card, 2)) << "no header font stored for frame 2";
  EXPECT_EQ(readHeaderFont(card, 2), body);

  card.frame(1).headerFont.colour = 0;
  EXPECT_FALSE(headerFontMatches(card, 1));
}

TEST_F(FrameFonts, UnsetFontsLeaveTheTextsFormatting) {
  card.frame(1).headerFont = header;
  card.frame(2).bodyFont = body;
  card.frame(2).bodyFont.name.clear();
  applyFrameFonts(card);
  EXPECT_EQ(formatOfLine(1, 0), header);
  EXPECT_EQ(formatOfLine(1, 1), original);
  EXPECT_EQ(formatOfLine(2, 0), original);
  EXPECT_EQ(formatOfLine(2, 1), original);
}

TEST_F(FrameFonts, AnEmptyFirstLineTakesTheHeaderAsItsInsertionFormat) {
  card.frame(1).text = RichText(original);
  card.frame(2).text = RichText::fromPlainText("\nbody", original);
  for (FrameModel& frame : card.frames) {
    frame.bodyFont = body;
    frame.headerFont = header;
  }
  applyFrameFonts(card);
  EXPECT_TRUE(card.frame(1).text.isEmpty());
  EXPECT_EQ(readHeaderFont(card, 1), header);
  EXPECT_TRUE(headerFontMatches(card, 1));
  EXPECT_EQ(formatOfLine(2, 1), body);
  EXPECT_TRUE(headerFontMatches(card, 2));
}

TEST(CardAccess, FramesBecomeEditableAndGetTheirColoursBack) {
  CardModel card = startCard(96);
  card.frame(2).frameColor = 0x123456;
  setCardAccess(card, true);
  EXPECT_TRUE(card.cardAccess);
  EXPECT_FALSE(card.frame(1).readOnly || card.frame(2).readOnly);

  for (FrameModel& frame : card.frames) frame.frameColor = 0xFFFFFF;  // painted white while edited
  setCardAccess(card, false);
  EXPECT_FALSE(card.cardAccess);
  EXPECT_TRUE(card.frame(1).readOnly && card.frame(2).readOnly);
  EXPECT_EQ(card.frame(1).frameColor, 0xFFCDC0u);
  EXPECT_EQ(card.frame(2).frameColor, 0x123456u);
}

}  // namespace
}  // namespace orvane
