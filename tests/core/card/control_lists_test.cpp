#include "card/control_lists.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(ControlLists, SizeListsCountFromThePlusItemsThroughTheWordToTheMinusItems) {
  const ItemList frame = controlList(frame1WidthList, Language::French);
  ASSERT_EQ(frame.items.size(), 41u);
  EXPECT_EQ(frame.items.front(), "largeur + 20");
  EXPECT_EQ(frame.items[19], "largeur + 1");
  EXPECT_EQ(frame.items[frame.shown], "largeur");
  EXPECT_EQ(frame.items[21], "largeur -1");
  EXPECT_EQ(frame.items.back(), "largeur -20");
  EXPECT_EQ(controlList(frame2TopList, Language::French).items[20], "hauteur");

  const ItemList card = controlList(cardLengthList, Language::French);
  ASSERT_EQ(card.items.size(), 21u);
  EXPECT_EQ(card.items.front(), "longueur+10");
  EXPECT_EQ(card.items[card.shown], "longueur");
  EXPECT_EQ(card.items.back(), "longueur -10");

  const ItemList margin = controlList(iconMarginList, Language::French);
  EXPECT_EQ(margin.items.front(), "marge + 10");
  EXPECT_EQ(margin.items[10], "marge");
  EXPECT_EQ(margin.items.back(), "marge -10");
}

TEST(ControlLists, LeftEdgeListsKeepTheFormTheirRuleReadsInEveryLanguage) {
  for (Language language : {Language::French, Language::English, Language::German}) {
    const ItemList left = controlList(frame2LeftList, language);
    ASSERT_EQ(left.items.size(), 21u);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(parseLeftOffset(left.items[i]), 10 - i) << left.items[i];
    EXPECT_EQ(parseLeftOffset(left.items[10]), 0);
    for (int i = 11; i < 21; ++i) EXPECT_EQ(parseLeftOffset(left.items[i]), 10 - i) << left.items[i];
  }
  EXPECT_EQ(controlList(frame1LeftList, Language::French).items.front(), "bord gauche + 10");
  EXPECT_EQ(controlList(frame1LeftList, Language::English).items.front(), "left edge + 10");
  EXPECT_EQ(controlList(frame1LeftList, Language::German).items.front(), "linker Rand + 10");
  EXPECT_EQ(controlList(frame1LeftList, Language::German).items[10], "links");
}

TEST(ControlLists, ChoiceListsShowTheirTitleFirst) {
  EXPECT_EQ(controlList(frame1AlignmentList, Language::French).items,
            (std::vector<std::string>{"texte", "gauche", "centré", "droite"}));
  EXPECT_EQ(controlList(frame2PlacementList, Language::French).items.front(), "cadre");
  EXPECT_EQ(controlList(orientationList, Language::English).items,
            (std::vector<std::string>{"orientation", "vertical", "horizontal"}));
  const ItemList spacing = controlList(spacingList, Language::French);
  EXPECT_EQ(spacing.items.size(), 12u);
  EXPECT_EQ(spacing.items.back(), "15");
  EXPECT_EQ(controlList(formatList, Language::French).items.back(), "carré");
  for (ControlList list : {formatList, orientationList, spacingList, frame2AlignmentList})
    EXPECT_EQ(controlList(list, Language::French).shown, 0);
  EXPECT_EQ(allControlLists().size(), 20u);
}

TEST(ControlLists, EveryItemOfASizeListAddsItsOwnOffset) {
  const ItemList frame = controlList(frame1LengthList, Language::German);
  for (int i = 0; i < 41; ++i) EXPECT_EQ(parseOffset(frame.items[i]), 20 - i) << frame.items[i];
}

TEST(ParseOffset, TakesWhatFollowsThePlusOrTheFirstBlank) {
  EXPECT_EQ(parseOffset("largeur + 7"), 7);
  EXPECT_EQ(parseOffset("+7"), 7);
  EXPECT_EQ(parseOffset("7"), 7);
  EXPECT_EQ(parseOffset("largeur -7"), -7);
  EXPECT_EQ(parseOffset("largeur"), 0);
  EXPECT_EQ(parseOffset("abc"), 0);
  EXPECT_EQ(parseOffset("largeur + 7 "), 0);  // trailing blanks make it no number
  EXPECT_EQ(parseOffset("largeur+   12"), 12);
  EXPECT_EQ(parseOffset(""), 0);
}

TEST(ParseOffset, HoldsHugeNumbersAt16BitsAndReadsOnly255Characters) {
  EXPECT_EQ(parseOffset("+70000"), 32767);
  EXPECT_EQ(parseOffset("x -70000"), -32768);
  EXPECT_EQ(parseOffset("+99999999999999"), 0);  // not a 32-bit number at all
  const std::string padded = "+" + std::string(250, ' ') + "12345";
  EXPECT_EQ(parseOffset(padded), 1234);  // the 256th character is cut off
}

TEST(ParseLeftOffset, TakesTheLastWordWhenThereIsNoPlus) {
  EXPECT_EQ(parseLeftOffset("bord gauche -3"), -3);
  EXPECT_EQ(parseLeftOffset("+3"), 3);
  EXPECT_EQ(parseLeftOffset("3"), 0);
  EXPECT_EQ(parseLeftOffset("bord gauche"), 0);
  EXPECT_EQ(parseLeftOffset("bord gauche + 10"), 10);
}

}  // namespace
}  // namespace orvane
