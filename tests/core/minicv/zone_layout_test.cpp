#include "minicv/zone_layout.h"

#include <gtest/gtest.h>

#include "minicv/contact_rows.h"
#include "minicv/element_switching.h"
#include "minicv/element_table.h"

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

TEST_F(Zones, SwitchingOnKeepsTheLinesBelowTheHeadings) {
  setZoneText(sheet, 1, RichText::fromPlainText("old\nEnglish\tfluent"));
  switchElement(sheet, zone1Element, 1);
  const auto& paragraphs = sheet["REdit1"].richText.paragraphs();
  ASSERT_EQ(paragraphs.size(), 2u);
  EXPECT_EQ(sheet["REdit1"].richText.firstLine(), "Langue :            niveau :");
  EXPECT_EQ(sheet["REdit1"].richText.plainText(), "Langue :            niveau :\nEnglish\tfluent");
  EXPECT_EQ(sheet["GroupBox5"].top, 50);
  EXPECT_EQ(sheet["GroupBox5"].width, 425);
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

TEST(ZonesBeforeOpening, TextChangesLeaveTheLayoutAlone) {
  CvSheet sheet;
  setZoneText(sheet, 3, lines(10));
  EXPECT_EQ(sheet["REdit3"].height, 17);
  EXPECT_EQ(sheet.window().height, 598);
}

}  // namespace
}  // namespace orvane::minicv
