#include "card/frame_controls.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

// The start card at 96 pixels per inch: card 182 x 273, frame 1 at (48,24) 89 x 81, frame 2 at
// (0,144) 185 x 145, which is wider than the card.
CardModel startCard(Orientation orientation = Orientation::Vertical) {
  CardModel card;
  setupStartCard(card, 96);
  card.orientation = orientation;
  return card;
}

FrameWarning change(CardModel& card, ControlList list, std::string_view text,
                    Language language = Language::French) {
  return changeFrameGeometry(card, list, text, language);
}

TEST(FrameControls, EveryFormOfAnOffsetIsReadAsItsListReadsIt) {
  for (const char* seven : {"+7", "7", "largeur + 7"}) {
    CardModel card = startCard();
    change(card, frame1WidthList, seven);
    EXPECT_EQ(card.frame(1).frameWidth, 96) << seven;
  }
  CardModel card = startCard();
  change(card, frame1WidthList, "largeur -7");
  EXPECT_EQ(card.frame(1).frameWidth, 82);
  change(card, frame1WidthList, "abc");
  EXPECT_EQ(card.frame(1).frameWidth, 82);

  // The "bord gauche" lists read a bare number as nothing.
  change(card, frame1LeftList, "bord gauche -3");
  EXPECT_EQ(card.frame(1).frameLeft, 47);
  change(card, frame1LeftList, "+3");
  EXPECT_EQ(card.frame(1).frameLeft, 50);
  change(card, frame1LeftList, "3");
  EXPECT_EQ(card.frame(1).frameLeft, 50);
}

TEST(FrameControls, WidthOnAVerticalCardIsCutToTheCardAndCentred) {
  CardModel card = startCard();
  EXPECT_EQ(change(card, frame1WidthList, "largeur + 7"), std::nullopt);
  EXPECT_EQ(card.frame(1).frameWidth, 96);
  EXPECT_EQ(card.frame(1).frameLeft, (182 - 96) / 2);

  EXPECT_EQ(change(card, frame1WidthList, "+100"),
            "Cadre 1 redimensionné automatiquement\r\nInformation 120");
  EXPECT_EQ(card.frame(1).frameWidth, 182);
  EXPECT_EQ(card.frame(1).frameLeft, 0);

  // The neutral item adds nothing, yet frame 2, wider than the card from the start, is cut.
  EXPECT_EQ(change(card, frame2WidthList, "largeur"), "redimension automatique\r\nInformation 120");
  EXPECT_EQ(card.frame(2).frameWidth, 182);
  EXPECT_EQ(card.frame(2).frameLeft, 0);

  // Centring truncates toward zero, also for a frame that is wider than the card.
  FrameModel frame;
  frame.frameWidth = 185;
  centreFrame(card, frame);
  EXPECT_EQ(frame.frameLeft, -1);
}

TEST(FrameControls, LengthOnAVerticalCardKeepsTheFrameOnTheCardFromBelow) {
  CardModel card = startCard();
  EXPECT_EQ(change(card, frame1LengthList, "longueur + 20"), std::nullopt);
  EXPECT_EQ(card.frame(1).frameHeight, 101);
  EXPECT_EQ(card.frame(1).frameTop, 24);

  EXPECT_EQ(change(card, frame1LengthList, "+150"), "reposition automatique\r\nInformation 120");
  EXPECT_EQ(card.frame(1).frameTop, 273 - 251);
  // Frame 1 taller than the card: the fixed French text, whatever the language.
  card = startCard();
  EXPECT_EQ(change(card, frame1LengthList, "+300", Language::English),
            "Problème dimension\r\nInformation 110");
  EXPECT_EQ(card.frame(1).frameTop, 273 - 381);

  // Frame 2 starting above the bottom of frame 1: one line, the information after a dash.
  card = startCard();
  card.frame(2).frameTop = 100;
  EXPECT_EQ(change(card, frame2LengthList, "longueur"), "Problème dimension - Information 100");
  // The start card's frame 2 runs past the bottom: it moves up, still below frame 1.
  card = startCard();
  EXPECT_EQ(change(card, frame2LengthList, "longueur"), "reposition automatique\r\nInformation 120");
  EXPECT_EQ(card.frame(2).frameTop, 273 - 145);
}

TEST(FrameControls, OnAHorizontalCardWidthAndLengthSwapTheirRoles) {
  CardModel card = startCard(Orientation::Horizontal);
  // "largeur" changes the height and keeps the frame inside from below, without a message.
  EXPECT_EQ(change(card, frame1WidthList, "largeur + 20"), std::nullopt);
  EXPECT_EQ(card.frame(1).frameHeight, 101);
  EXPECT_EQ(card.frame(1).frameWidth, 89);
  EXPECT_EQ(change(card, frame1WidthList, "+150"), std::nullopt);
  EXPECT_EQ(card.frame(1).frameTop, 273 - 251);
  EXPECT_EQ(card.frame(1).frameHeight, 251);
  // Taller than the card: reported, frame 2 with its own words.
  EXPECT_EQ(change(card, frame1WidthList, "+30"), "Problème dimension\r\nInformation 110");
  EXPECT_EQ(card.frame(1).frameTop, 273 - 281);
  EXPECT_EQ(change(card, frame2WidthList, "+200"), "redimension automatique\r\nInformation 100");

  // "longueur" changes the width, cut to the card and centred.
  card = startCard(Orientation::Horizontal);
  EXPECT_EQ(change(card, frame1LengthList, "longueur + 3"), std::nullopt);
  EXPECT_EQ(card.frame(1).frameWidth, 92);
  EXPECT_EQ(card.frame(1).frameLeft, 45);
  EXPECT_EQ(change(card, frame1LengthList, "+100"), "redimension automatique\r\nInformation 120");
  EXPECT_EQ(card.frame(1).frameWidth, 182);
  EXPECT_EQ(card.frame(1).frameLeft, 0);

  // An unset orientation behaves as vertical.
  card = startCard(Orientation::Unset);
  change(card, frame1WidthList, "+1");
  EXPECT_EQ(card.frame(1).frameWidth, 90);
}

TEST(FrameControls, TopAndLeftAreCorrectedAtTheFarEdgeAndOnlyReportedAtTheNearOne) {
  CardModel card = startCard();
  EXPECT_EQ(change(card, frame1TopList, "hauteur + 10"), std::nullopt);
  EXPECT_EQ(card.frame(1).frameTop, 34);
  EXPECT_EQ(change(card, frame1TopList, "+500"),
            "Position du cadre 1 recalculée automatiquement\r\nInformation 100");
  EXPECT_EQ(card.frame(1).frameTop, 273 - 81);
  EXPECT_EQ(change(card, frame2TopList, "hauteur -200", Language::English),
            "Position problem\r\nInformation 100");
  EXPECT_EQ(card.frame(2).frameTop, -56);  // left as it is
  // A frame taller than the card is moved up past the top: the second warning replaces the first.
  card.frame(1).frameHeight = 300;
  EXPECT_EQ(change(card, frame1TopList, "hauteur"), "Problème position\r\nInformation 100");
  EXPECT_EQ(card.frame(1).frameTop, -27);

  card = startCard();
  EXPECT_EQ(change(card, frame1LeftList, "bord gauche + 50"), "reposition automatique\r\nInformation 120");
  EXPECT_EQ(card.frame(1).frameLeft, 182 - 89);
  EXPECT_EQ(change(card, frame1LeftList, "bord gauche -100"), "Problème dimension\r\nInformation 110");
  EXPECT_EQ(card.frame(1).frameLeft, -7);
  // Frame 2 is wider than the card: put back at the right edge, that is left of the card.
  EXPECT_EQ(change(card, frame2LeftList, "bord gauche"), "Problème dimension\r\nInformation 110");
  EXPECT_EQ(card.frame(2).frameLeft, -3);
}

TEST(FrameControls, AFrameShrinksToNothingButNeverToANegativeSize) {
  CardModel card = startCard();
  change(card, frame1WidthList, "-32768");
  EXPECT_EQ(card.frame(1).frameWidth, 0);
  EXPECT_EQ(card.frame(1).frameLeft, 91);
  for (int i = 0; i < 5; ++i) change(card, frame1LengthList, "longueur -20");
  EXPECT_EQ(card.frame(1).frameHeight, 0);
}

TEST(FrameControls, AlignmentItemsAlignTheWholeTextAndTheTitleChangesNothing) {
  CardModel card = startCard();
  card.frame(2).text = RichText::fromPlainText("Nom\nadresse\nville");
  EXPECT_TRUE(alignFrameText(card, 2, "droite", Language::French));
  EXPECT_EQ(card.frame(2).frameAlignment, alignRight);
  for (const Paragraph& paragraph : card.frame(2).text.paragraphs())
    EXPECT_EQ(paragraph.alignment, ParagraphAlignment::Right);

  const CardModel before = card;
  EXPECT_FALSE(alignFrameText(card, 2, "texte", Language::French));
  EXPECT_FALSE(alignFrameText(card, 2, "", Language::French));
  EXPECT_EQ(card.frame(2).frameAlignment, before.frame(2).frameAlignment);
  EXPECT_EQ(card.frame(2).text, before.frame(2).text);

  EXPECT_TRUE(alignFrameText(card, 1, "left", Language::English));
  EXPECT_EQ(card.frame(1).frameAlignment, alignLeft);
  EXPECT_TRUE(alignFrameText(card, 1, "centred", Language::English));
  EXPECT_EQ(card.frame(1).text.paragraphs().front().alignment, ParagraphAlignment::Centre);
}

TEST(FrameControls, Frame2IsPlacedOnTheCardWithTiesRoundedToEven) {
  CardModel card = startCard();
  EXPECT_TRUE(placeFrame2(card, "droite", Language::French));
  EXPECT_EQ(card.frame(2).frameLeft, -3);
  EXPECT_TRUE(placeFrame2(card, "centré", Language::French));
  EXPECT_EQ(card.frame(2).frameLeft, -2);  // -1.5
  card.frame(2).frameWidth = 181;
  EXPECT_TRUE(placeFrame2(card, "centré", Language::French));
  EXPECT_EQ(card.frame(2).frameLeft, 0);  // 0.5
  EXPECT_TRUE(placeFrame2(card, "left", Language::English));
  EXPECT_EQ(card.frame(2).frameLeft, 0);
  card.frame(2).frameLeft = 5;
  EXPECT_FALSE(placeFrame2(card, "cadre", Language::French));
  EXPECT_EQ(card.frame(2).frameLeft, 5);
}

}  // namespace
}  // namespace orvane
