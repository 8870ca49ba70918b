#include "shell/card_icon_controls.h"

#include <gtest/gtest.h>

#include "cardfile/card_file_loader.h"
#include "shell_fixture.h"

namespace orvane {

namespace {

const std::string noticeOpaqueFrames =
    "Les modifications seront appliquées après avoir rendu les deux cadres opaques";

using CardIconFixture = ShellFixture;

}  // namespace

TEST_F(CardIconFixture, CardSizeFollowsWhatTheOrientationListShowsNotTheCard) {
  changeCardSize(card, shell, cardWidthList, "largeur+10", "orientation");
  EXPECT_EQ(card.cardWidth, 192);
  changeCardSize(card, shell, cardLengthList, "longueur -3", "vertical");
  EXPECT_EQ(card.cardHeight, 270);

  // A card still standing upright, but the list already shows "horizontal": the two lists swap.
  card.orientation = Orientation::Vertical;
  changeCardSize(card, shell, cardWidthList, "+7", "horizontal");
  EXPECT_EQ(card.cardHeight, 277);
  changeCardSize(card, shell, cardLengthList, "largeur -2", "horizontal");
  EXPECT_EQ(card.cardWidth, 190);

  // The list is read in the interface language: a German title is no upright word in French.
  changeCardSize(card, shell, cardWidthList, "5", "Orientierung");
  EXPECT_EQ(card.cardHeight, 282);
  shell.state().interfaceLanguage = Language::German;
  changeCardSize(card, shell, cardWidthList, "5", "Orientierung");
  EXPECT_EQ(card.cardWidth, 195);
}

TEST_F(CardIconFixture, CardSizeStaysOneTheLoaderReadsBackAndNothingChangesForAWord) {
  changeCardSize(card, shell, cardWidthList, "largeur", "orientation");
  EXPECT_FALSE(changeCardSize(card, shell, cardWidthList, "abc", "orientation").warning);
  EXPECT_EQ(card.cardWidth, 182);
  for (int step = 0; step < 18; ++step)
    EXPECT_FALSE(changeCardSize(card, shell, cardWidthList, "largeur -10", "orientation").warning);
  EXPECT_EQ(card.cardWidth, 2);
  const std::string refused = "Problème dimension\r\nInformation 110";
  EXPECT_EQ(changeCardSize(card, shell, cardWidthList, "largeur -10", "orientation").warning, refused);
  EXPECT_EQ(card.cardWidth, 2);
  EXPECT_EQ(changeCardSize(card, shell, cardLengthList, "longueur+65530", "orientation").warning, refused);
  EXPECT_EQ(card.cardHeight, 273);
  changeCardSize(card, shell, cardLengthList, std::to_string(maxDrawableLength - 273), "orientation");
  EXPECT_EQ(card.cardHeight, maxDrawableLength);

  EXPECT_EQ(changeIcon(card, shell, iconWidthList, "largeur -32").warning, refused);
  EXPECT_EQ(changeIcon(card, shell, iconLengthList, "+65530").warning, refused);
  EXPECT_EQ(card.iconWidth, 32);
  EXPECT_EQ(card.iconHeight, 32);
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(CardIconFixture, ACardSizeChangeTellsOnceThatTransparentFramesWait) {
  card.frame(2).frameTransparent = true;
  changeCardSize(card, shell, cardWidthList, "+1", "orientation");
  changeCardSize(card, shell, cardLengthList, "+1", "orientation");
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{noticeOpaqueFrames});
  EXPECT_EQ(card.cardWidth, 183);  // the change itself is made at once
  EXPECT_EQ(card.cardHeight, 274);
}

TEST_F(CardIconFixture, SpacingTakesOnlyAWholeIntegerAndIsSilentOtherwise) {
  changeSpacing(card, shell, "15");
  EXPECT_EQ(card.spacing, 15);
  for (const char* text : {"abc", "écart", "12 ", "", "7x", "99999999999"}) {
    changeSpacing(card, shell, text);
    EXPECT_EQ(card.spacing, 15) << text;
  }
  changeSpacing(card, shell, " 6");
  EXPECT_EQ(card.spacing, 6);
  changeSpacing(card, shell, "-4");  // no bound is checked
  EXPECT_EQ(card.spacing, -4);
  card.frame(1).frameTransparent = true;
  changeSpacing(card, shell, "9");
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(CardIconFixture, IconListsChangeTheirValueAndOnlyAMoveAsksForANewBackground) {
  card.frame(1).frameTransparent = true;  // the icon lists do not wait for opaque frames
  const IconChange wider = changeIcon(card, shell, iconWidthList, "largeur+4");
  EXPECT_EQ(card.iconWidth, 36);
  EXPECT_FALSE(wider.iconMoved);
  EXPECT_FALSE(changeIcon(card, shell, iconLengthList, "longueur -2").iconMoved);
  EXPECT_EQ(card.iconHeight, 30);
  EXPECT_TRUE(changeIcon(card, shell, iconMarginList, "marge + 10").iconMoved);
  EXPECT_EQ(card.iconLeft, 18);
  EXPECT_TRUE(changeIcon(card, shell, iconTopList, "hauteur -5").iconMoved);
  EXPECT_EQ(card.iconTop, 19);
  EXPECT_TRUE(changeIcon(card, shell, iconTopList, "hauteur").iconMoved);  // refreshed even unchanged
  EXPECT_EQ(card.iconTop, 19);
  EXPECT_EQ(wider.followUp, ControlFollowUp{});
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(CardIconFixture, CardSizeBoxesActOnlyWhenCheckedAndFollowTheOrientation) {
  card.cardWidth = 300;
  card.cardHeight = 100;
  EXPECT_EQ(resetToDesign(card, ResetBox::cardWidth, false), ResetOutcome{});
  EXPECT_EQ(card.cardWidth, 300);

  EXPECT_TRUE(resetToDesign(card, ResetBox::cardWidth, true).uncheck);
  EXPECT_TRUE(resetToDesign(card, ResetBox::cardLength, true).uncheck);
  EXPECT_EQ(card.cardWidth, 182);
  EXPECT_EQ(card.cardHeight, 273);

  card.orientation = Orientation::Horizontal;
  resetToDesign(card, ResetBox::cardWidth, true);
  resetToDesign(card, ResetBox::cardLength, true);
  EXPECT_EQ(card.cardWidth, 273);
  EXPECT_EQ(card.cardHeight, 182);
}

TEST_F(CardIconFixture, IconBoxesActOnEveryClickAndLeaveTheBoxAlone) {
  card.designIconLeft = 5;
  card.designIconTop = 6;
  for (bool checked : {true, false}) {
    card.iconLeft = card.iconTop = 50;
    const ResetOutcome left = resetToDesign(card, ResetBox::iconMargin, checked);
    const ResetOutcome top = resetToDesign(card, ResetBox::iconTop, checked);
    EXPECT_EQ(card.iconLeft, 5);
    EXPECT_EQ(card.iconTop, 6);
    EXPECT_TRUE(left.iconMoved && top.iconMoved);
    EXPECT_FALSE(left.uncheck || top.uncheck);
  }
  EXPECT_EQ(card.iconWidth, 32);  // the size is not a position
}

TEST_F(CardIconFixture, TrackBarSnapsBackWhileTheCardIsHiddenAndElsePlacesTheCard) {
  CardWindowState& window = shell.cardWindow();
  const TrackBarOutcome hidden = tb1_change(card, window, false, {60, 1, 100}, 800);
  EXPECT_TRUE(hidden.snapBack);
  EXPECT_FALSE(hidden.cardMoved);
  EXPECT_EQ(card.cardTop, 41);
  EXPECT_FALSE(window.trackBarTop);

  EXPECT_TRUE(tb1_change(card, window, true, {60, 1, 100}, 800).cardMoved);
  EXPECT_EQ(card.cardTop, 480);
  EXPECT_EQ(window.trackBarTop, 480);
  // A share that falls halfway goes to the even pixel.
  tb1_change(card, window, true, {1, 1, 100}, 250);
  EXPECT_EQ(card.cardTop, 2);
  tb1_change(card, window, true, {3, 1, 100}, 250);
  EXPECT_EQ(card.cardTop, 8);
  EXPECT_EQ(window.trackBarTop, 8);
}

}  // namespace orvane
