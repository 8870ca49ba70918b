// The standard formats list, the orientation list and "ajustement A4", as the window and scripts use
// them: card size, proportional re-layout, the layouts kept per format, and turning the card.
#include "shell/card_shape_controls.h"

#include <gtest/gtest.h>

#include <array>

#include "cardfile/card_file_loader.h"
#include "cardfile/card_file_writer.h"
#include "shell_fixture.h"
#include "text/scratch_folder.h"

namespace orvane {
namespace {

using Box = std::array<int, 4>;  // left, top, width, height

Box box(const FrameModel& frame) {
  return {frame.frameLeft, frame.frameTop, frame.frameWidth, frame.frameHeight};
}
Box iconBox(const CardModel& card) { return {card.iconLeft, card.iconTop, card.iconWidth, card.iconHeight}; }

class CardShapeControlsTest : public ShellFixture {
 protected:
  ControlFollowUp format(const char* name) { return chooseStandardFormat(shell, card, state, name); }
  ControlFollowUp turn(const char* shown) { return confirmOrientation(shell, card, state, shown).followUp; }
  void expectSize(int width, int height) {
    EXPECT_EQ(card.cardWidth, width);
    EXPECT_EQ(card.cardHeight, height);
  }

  CardShapeState state;
};

TEST_F(CardShapeControlsTest, FormatsSizeTheCardAndLayItOutInProportion) {
  // An unset orientation counts as vertical.
  format("défaut");
  expectSize(185, 293);
  EXPECT_EQ(card.formatIndex, 0);
  EXPECT_EQ(box(card.frame(1)), (Box{47, 26, 90, 87}));
  // Frame 2 is wider than the card: centring truncates toward zero (-1, not -2).
  EXPECT_EQ(box(card.frame(2)), (Box{-1, 155, 188, 156}));
  EXPECT_EQ(iconBox(card), (Box{8, 26, 32, 32}));
  EXPECT_TRUE(state.fitA4Enabled);
  EXPECT_TRUE(fitCardToA4(card, state));
  expectSize(189, 363);
  EXPECT_EQ(box(card.frame(1)), (Box{47, 26, 90, 87}));  // the A4 fit leaves the layout

  format("moyen");
  expectSize(245, 370);
  EXPECT_FALSE(state.fitA4Enabled);
  EXPECT_FALSE(fitCardToA4(card, state));
  expectSize(245, 370);

  // The list's title, or any typed text, changes neither the size nor the format, yet lays out again.
  card.frame(1).frameWidth = 10;
  const ControlFollowUp followUp = format("formats standards");
  expectSize(245, 370);
  EXPECT_EQ(card.formatIndex, 2);
  EXPECT_EQ(card.frame(1).frameWidth, 120);
  EXPECT_TRUE(followUp.relayout);
  EXPECT_TRUE(followUp.redrawTransparentFrames);

  card.orientation = Orientation::Horizontal;
  format("grand");
  expectSize(480, 313);
  // No proportions were measured on a horizontal card yet: the defaults hold.
  EXPECT_EQ(box(card.frame(1)), (Box{129, 23, 221, 78}));
  EXPECT_EQ(iconBox(card), (Box{19, 23, 32, 32}));
  EXPECT_TRUE(fitCardToA4(card, (CardShapeState{})));
  expectSize(363, 189);
}

TEST_F(CardShapeControlsTest, FormatNamesFollowTheInterfaceLanguage) {
  shell.state().interfaceLanguage = Language::English;
  format("défaut");
  expectSize(182, 273);
  format("default");
  expectSize(185, 293);
}

TEST_F(CardShapeControlsTest, OnlyVerticalCardsOfFormatsOneToFourKeepTheirLayout) {
  const LayoutSnapshot start = card.snapshot(0);
  format("défaut");
  EXPECT_EQ(card.snapshot(0), start);
  card.orientation = Orientation::Horizontal;
  format("moyen");
  EXPECT_FALSE(card.snapshot(2).filled);
  card.orientation = Orientation::Vertical;
  format("normal");
  const LayoutSnapshot& kept = card.snapshot(1);
  ASSERT_TRUE(kept.filled);
  EXPECT_EQ(kept.frame1Top, 28);
  EXPECT_EQ(kept.frame1Width, 101);
  EXPECT_EQ(kept.landscapeFrame1Width, 177);  // 101 x 1.75 = 176.75
  EXPECT_EQ(kept.landscapeFrame2Height, 85);
  EXPECT_EQ(kept.frame2Width, 0);  // never kept by a format change
}

TEST_F(CardShapeControlsTest, TurningAFormatWithAKeptLayoutFindsItAgain) {
  format("normal");
  ControlFollowUp followUp = turn("horizontal");
  EXPECT_EQ(card.orientation, Orientation::Horizontal);
  expectSize(321, 207);
  EXPECT_FALSE(followUp.relayout);
  EXPECT_EQ(box(card.frame(1)), (Box{72, 14, 177, 47}));
  EXPECT_EQ(box(card.frame(2)), (Box{2, 120, 318, 85}));
  EXPECT_EQ(iconBox(card), (Box{18, 14, 32, 32}));
  EXPECT_FALSE(state.landscapeRatios);  // measured for format 0 and loaded cards only

  // The title item counts as vertical.
  turn("orientation");
  EXPECT_EQ(card.orientation, Orientation::Vertical);
  expectSize(207, 321);
  EXPECT_EQ(box(card.frame(1)), (Box{53, 28, 101, 95}));
  EXPECT_EQ(box(card.frame(2)), (Box{2, 149, 204, 170}));
  EXPECT_EQ(iconBox(card), (Box{9, 28, 32, 32}));
}

TEST_F(CardShapeControlsTest, TurningWithoutAKeptLayoutScalesTheStartLayout) {
  format("défaut");
  turn("horizontal");
  expectSize(293, 185);
  // (293 - 156) x 0.5 = 68.5 goes to the even 68.
  EXPECT_EQ(box(card.frame(1)), (Box{68, 12, 156, 40}));
  EXPECT_EQ(box(card.frame(2)), (Box{2, 111, 290, 72}));
  EXPECT_EQ(iconBox(card), (Box{16, 12, 32, 32}));
  ASSERT_TRUE(state.landscapeRatios);

  // A later format change on the horizontal card follows the proportions just measured.
  format("moyen");
  expectSize(370, 245);
  turn("vertical");
  expectSize(245, 370);
  EXPECT_EQ(box(card.frame(1)), (Box{68, 30, 109, 100}));  // start layout x 1.23
  EXPECT_EQ(box(card.frame(2)), (Box{2, 190, 242, 178}));
  EXPECT_EQ(iconBox(card), (Box{10, 30, 39, 39}));
  turn("horizontal");
  EXPECT_EQ(box(card.frame(1)), (Box{89, 15, 192, 49}));
  EXPECT_EQ(box(card.frame(2)), (Box{2, 154, 367, 89}));
  EXPECT_EQ(iconBox(card), (Box{20, 15, 39, 39}));
}

TEST_F(CardShapeControlsTest, CapturedLandscapeProportionsLayOutLaterFormats) {
  format("défaut");
  turn("horizontal");
  format("normal");
  EXPECT_EQ(box(card.frame(1)), (Box{75, 13, 171, 45}));
  EXPECT_EQ(box(card.frame(2)), (Box{1, 124, 318, 81}));
  EXPECT_EQ(iconBox(card), (Box{18, 13, 32, 32}));
}

TEST_F(CardShapeControlsTest, SquareAndNearlySquareCardsAreOnlyTurnedOrNotAtAll) {
  card.cardWidth = 250;
  card.cardHeight = 280;
  const Box frame1 = box(card.frame(1));
  EXPECT_EQ(turn("horizontal"), ControlFollowUp{});
  EXPECT_EQ(card.orientation, Orientation::Horizontal);
  expectSize(280, 250);
  EXPECT_EQ(box(card.frame(1)), frame1);
  turn("vertical");
  expectSize(250, 280);

  format("carré");
  expectSize(302, 302);
  EXPECT_FALSE(state.fitA4Enabled);
  turn("horizontal");
  EXPECT_EQ(card.orientation, Orientation::Vertical);
}

TEST_F(CardShapeControlsTest, ConfirmingTheOrientationTheCardHasLeavesItAlone) {
  format("défaut");
  const CardModel before = card;
  turn("vertical");
  turn("orientation");
  expectSize(185, 293);
  EXPECT_EQ(box(card.frame(1)), box(before.frame(1)));
  turn("horizontal");
  turn("horizontal");
  expectSize(293, 185);
  EXPECT_EQ(card.orientation, Orientation::Horizontal);
}

TEST_F(CardShapeControlsTest, TurningKeepsAnIconSizeTheLoaderCouldNotReadBack) {
  // On so dense a screen the start icon is 2567 pixels wide, and "grand" without a kept layout scales
  // it by 160 %: 4107, more than the card file loader reads back.
  constexpr int denseScreen = 7700;
  setupStartCard(card, denseScreen);
  card.orientation = Orientation::Horizontal;
  format("grand");
  const Box icon = iconBox(card);
  const OrientationConfirmed turned = confirmOrientation(shell, card, state, "vertical");
  EXPECT_EQ(turned.warning, "Problème dimension\r\nInformation 110");
  EXPECT_EQ(card.orientation, Orientation::Vertical);
  EXPECT_EQ(card.iconWidth, icon[2]);
  EXPECT_EQ(card.iconHeight, icon[3]);

  const ScratchFolder folder("orvane-test-");
  const std::string path = folder.file("turned.ov1");
  ASSERT_TRUE(writeLines(path, cardFileLines(card, "turned", denseScreen)).ok());
  EXPECT_TRUE(readCardFile(path, {denseScreen, std::nullopt}).findings.empty());
}

TEST_F(CardShapeControlsTest, TheFollowUpPlacesTheMainWindowBesideAShownCard) {
  shell.state().cardShown = true;
  EXPECT_TRUE(format("normal").placeBesideCard);
  EXPECT_TRUE(turn("horizontal").placeBesideCard);
  EXPECT_TRUE(prompter.texts().empty());
}

}  // namespace
}  // namespace orvane
