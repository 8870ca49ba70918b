#include "minicv/zone_layout.h"

#include <gtest/gtest.h>

#include "minicv/contact_rows.h"
#include "minicv/element_switching.h"
#include "minicv/element_table.h"
#include "support/scripted_services.h"

namespace orvane::minicv {
namespace {

RichText lines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += (i ? "\n" : "") + std::string("line");
  return RichText::fromPlainText(text);
}

TEST(RowTops, FollowTheFieldHeightWithTheirOwnRuleBelowAndAbove20) {
  EXPECT_EQ(rowTopsFor(19), (std::array<int, 3>{54, 76, 96}));
  EXPECT_EQ(rowTopsFor(21), (std::array<int, 3>{56, 82, 104}));
  EXPECT_EQ(rowTopsFor(20), (std::array<int, 3>{54, 79, 100}));
}

struct Zones : ::testing::Test {
  Zones() { sheet.open(false); }
  CvSheet sheet;
};

TEST_F(Zones, ZonesSwitchedOffRestackTheOthersFiveApart) {
  switchElement(sheet, zone1Element, 0);
  switchElement(sheet, zone2Element, 0);
  switchElement(sheet, zone3Element, 0);
  EXPECT_EQ(sheet.state.zoneTop, (std::array<int, 4>{0, 5, 10, 15}));
  EXPECT_EQ(sheet["GroupBox8"].top, 15);
  EXPECT_FALSE(sheet["GroupBox6"].visible);
  EXPECT_FALSE(sheet["REdit1"].visible);
  EXPECT_FALSE(sheet["Label11"].visible);
}

TEST_F(Zones, AZoneSwitchedOnGetsItsTitleHeadingsAndPlace) {
  switchElement(sheet, zone2Element, 0);
  EXPECT_EQ(sheet.state.zoneHeight[1], 0);
  switchElement(sheet, zone2Element, 1);
  const Control& frame = sheet["GroupBox6"];
  EXPECT_TRUE(frame.visible);
  EXPECT_EQ(frame.left, 0);
  EXPECT_EQ(frame.width, 425);
  const Control& title = sheet["Label12"];
  EXPECT_EQ(title.text, "Stages de formation professionnelle");
  EXPECT_EQ(title.top, 10);
  const Control& text = sheet["REdit2"];
  EXPECT_EQ(text.hint, title.text);
  EXPECT_EQ(text.richText.firstLine(), "INTITULE           DATES                QUALIFICATION OBTENUE");
  EXPECT_EQ(text.font, sheet.state.fonts.form);
  // One line of headings: the height rule has the last word.
  EXPECT_EQ(text.height, 15);
  EXPECT_EQ(frame.height, 50);
  EXPECT_EQ(sheet.state.zoneHeight[1], 50);
}

TEST_F(Zones, SwitchingOffAndOnKeepsTheUsersLinesAndHeadsOnlyAnEmptyZone) {
  setZoneText(sheet, 1, RichText::fromPlainText("Anglais\tcourant\nallemand\tnotions"));
  switchElement(sheet, zone1Element, 0);
  switchElement(sheet, zone1Element, 1);
  EXPECT_EQ(sheet["REdit1"].richText.plainText(), "Anglais\tcourant\nallemand\tnotions");
  EXPECT_EQ(sheet["GroupBox5"].top, 50);
  EXPECT_EQ(sheet["GroupBox5"].width, 425);

  setZoneText(sheet, 3, RichText());
  switchElement(sheet, zone3Element, 0);
  switchElement(sheet, zone3Element, 1);
  EXPECT_EQ(sheet["REdit3"].richText.plainText(), "SOCIETE           DATES                POSTE OCCUPE");
}

TEST_F(Zones, TenLinesMakeTheZone150HighAndItsFrame185AndTheWindowFollows) {
  setZoneText(sheet, 2, lines(10));
  EXPECT_EQ(sheet["REdit2"].height, 150);
  EXPECT_EQ(sheet["GroupBox6"].height, 185);
  // Zone 1 is its text and title (17 + 35); zones 3 and 4 keep their frames.
  EXPECT_EQ(sheet.state.zoneTop, (std::array<int, 4>{0, 57, 247, 309}));
  EXPECT_EQ(sheet["GroupBox7"].top, 247);
  EXPECT_EQ(sheet["GroupBox5"].height, 17 + 185 + 57 + 59 + 55);
  EXPECT_EQ(sheet["GroupBox4"].height, 373 + 48 + 10);
  EXPECT_EQ(sheet.window().height, 280 + 373 + 48 + 30);
  EXPECT_EQ(sheet["Panel1"].height, 730);
  EXPECT_EQ(sheet.window().top, 18);  // (768 - 731) / 2, half to even
}

TEST_F(Zones, TheWindowNeverGetsShorterThanThePrintSettings) {
  for (int element : {zone1Element, zone2Element, zone3Element, zone4Element})
    switchElement(sheet, element, 0);
  setZoneText(sheet, 4, lines(1));
  EXPECT_EQ(sheet.window().height, 448 + 145 + 10);
}

// On a screen the zone is as high as the lines it displays: 15 a line while they fit in 15, else
// down to the last line's bottom, so that the top inset and a taller line never cut a line shown.
struct ZonesOnAScreen : Zones {
  ZonesOnAScreen() {
    screen.height = 13;
    sheet.screen = &screen;
  }
  FixedTextMetrics screen;
};

TEST_F(ZonesOnAScreen, AZoneIsAsHighAsTheLinesItDisplays) {
  setZoneText(sheet, 2, lines(10));
  EXPECT_EQ(sheet["REdit2"].height, 150);  // 2 + 10 x 13 fit in 15 a line
  screen.height = 16;
  setZoneText(sheet, 2, lines(1));
  EXPECT_EQ(sheet["REdit2"].height, 18);  // 2 + 16: 15 would cut the line's bottom
  EXPECT_EQ(sheet["GroupBox6"].height, 18 + 35);
  setZoneText(sheet, 2, lines(10));
  EXPECT_EQ(sheet["REdit2"].height, 162);
}

TEST_F(ZonesOnAScreen, AParagraphWrappedOnTheScreenCountsEachOfItsLines) {
  // 361 pixels less the insets hold ten words "word " of 7 pixels a character: 25 make three lines.
  std::string words = "word";
  for (int i = 1; i < 25; ++i) words += " word";
  setZoneText(sheet, 3, RichText::fromPlainText(words));
  EXPECT_EQ(sheet["REdit3"].height, 45);
}

TEST(ZonesBeforeOpening, TextChangesLeaveTheLayoutAlone) {
  CvSheet sheet;
  setZoneText(sheet, 3, lines(10));
  EXPECT_EQ(sheet["REdit3"].height, 17);
  EXPECT_EQ(sheet.window().height, 598);
}

TEST(ZonesBeforeOpening, ACvLoadedBeforeTheFirstOpeningGetsItsZoneHeightsAtTheOpening) {
  CvSheet sheet;
  setZoneText(sheet, 3, lines(10));
  sheet.state.cvLoaded = true;
  sheet.open(true);
  EXPECT_EQ(sheet["REdit3"].height, 150);
  EXPECT_EQ(sheet["GroupBox7"].height, 185);
}

}  // namespace
}  // namespace orvane::minicv
