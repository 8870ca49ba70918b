#include "minicv/cv_sheet.h"

#include <gtest/gtest.h>

#include "minicv/element_table.h"

namespace orvane::minicv {
namespace {

struct Box {
  int left, top, width, height;
  bool operator==(const Box&) const = default;
};
Box boxOf(const Control& control) { return {control.left, control.top, control.width, control.height}; }

TEST(CvSheetBuilt, ControlsStandWhereTheSheetPutsThemUnderTheirParents) {
  const CvSheet sheet;
  EXPECT_EQ(sheet.window().text, "Orvane : mini-cv");
  EXPECT_EQ(boxOf(sheet.window()).width, 647);
  EXPECT_EQ(boxOf(sheet.window()).height, 598);
  EXPECT_EQ(sheet.window().colour, 0xFFCDC0u);
  EXPECT_EQ(boxOf(sheet["Panel1"]), (Box{8, 0, 449, 585}));
  EXPECT_EQ(boxOf(sheet["GroupBox5"]), (Box{8, 48, 393, 225}));
  EXPECT_EQ(boxOf(sheet["REdit2"]), (Box{0, 32, 361, 25}));
  EXPECT_EQ(boxOf(sheet["Edit17"]), (Box{205, 54, 60, 19}));
  EXPECT_EQ(sheet.tree.at(sheet["REdit2"].parent).name, "GroupBox6");
  EXPECT_EQ(sheet.tree.at(sheet["GroupBox6"].parent).name, "GroupBox5");
  EXPECT_EQ(sheet.tree.at(sheet["CheckBox16"].parent).name, "GroupBox31");
  EXPECT_EQ(sheet["Edit3"].tag, -150);
  EXPECT_EQ(sheet["Label17"].tag, 150);
  EXPECT_EQ(sheet["GroupBox1"].colour, 0x80C0FFu);
  EXPECT_EQ(sheet["GroupBox31"].colour, 0xF0C0C0u);
  EXPECT_TRUE(sheet["RadioButton4"].captionLeft);
  EXPECT_TRUE(sheet["CheckBox21"].captionLeft);
  EXPECT_EQ(sheet["CheckBox21"].text, "E");
  EXPECT_EQ(boxOf(sheet["CheckBox12"]), (Box{5, 240, 145, 15}));
}

TEST(CvSheetBuilt, ElementsStartAsTheTableSaysWithTheWebSiteAndOptionBoxesDisabled) {
  const CvSheet sheet;
  EXPECT_EQ(formatElementStates(sheet.state.elemstat), "0111111001111111");
  EXPECT_FALSE(sheet["Label10"].visible);
  EXPECT_FALSE(sheet["Edit10"].visible);
  EXPECT_FALSE(sheet["CheckBox8"].enabled);
  EXPECT_FALSE(sheet["CheckBox9"].enabled);
  EXPECT_EQ(sheet["CheckBox1"].text, "photo");
  EXPECT_FALSE(sheet["CheckBox1"].checked);
  EXPECT_TRUE(sheet["CheckBox2"].checked);
  EXPECT_EQ(sheet["Panel6"].colour, 0x0000FFu);
  EXPECT_TRUE(sheet.state.menu.saveCv);
  EXPECT_FALSE(sheet.state.menu.quitAll);
  EXPECT_EQ(sheet["ComboBox3"].items.front(), "95");
  EXPECT_EQ(sheet["ComboBox3"].items.back(), "105");
  EXPECT_EQ(sheet["ComboBox3"].text, "100");
}

TEST(CvSheetBuilt, CaptionsFollowTheLanguage) {
  const CvSheet french;
  EXPECT_EQ(french["Label1"].text, "Prénom");
  EXPECT_EQ(french["Label9"].text, "nombre d'ex. max/pp");
  EXPECT_EQ(french["GroupBox1"].text, "");
  EXPECT_EQ(french["REdit1"].hint, "Langues étrangères");
  const CvSheet english(Language::English);
  EXPECT_NE(english["Label1"].text, french["Label1"].text);
  EXPECT_NE(english["CheckBox13"].text, french["CheckBox13"].text);
}

TEST(CvSheetOpened, OpeningWidensTheFieldsFitsTheZoneFramesAndHintsTheFrames) {
  CvSheet sheet;
  sheet.open(false);
  EXPECT_EQ(sheet["Edit5"].width, 200);
  EXPECT_EQ(sheet["Edit7"].width, 220);
  EXPECT_EQ(sheet["Edit10"].width, 300);
  EXPECT_EQ(sheet["GroupBox4"].height, 293);
  EXPECT_EQ(sheet["GroupBox5"].height, 240);
  EXPECT_EQ(sheet["GroupBox8"].height, 59);
  EXPECT_EQ(sheet["GroupBox8"].top, 176);
  EXPECT_EQ(sheet["GroupBox2"].hint, "Coordonnées");
  EXPECT_EQ(sheet["GroupBox9"].hint, "aire de contrôle du mini-cv non imprimable");
  EXPECT_EQ(sheet.state.openingHeight, 598);
  EXPECT_TRUE(sheet.state.opened);
}

TEST(CvSheetOpened, BoxesFollowTheLoadedFileAndShowItsGreyStateUnchecked) {
  CvSheet sheet;
  sheet.state.fileElemstat = "1011111021111110";
  sheet.open(true);
  EXPECT_TRUE(sheet["CheckBox1"].checked);
  EXPECT_FALSE(sheet["CheckBox2"].checked);
  EXPECT_FALSE(sheet["CheckBox9"].checked);
  EXPECT_FALSE(sheet["CheckBox16"].checked);
  EXPECT_EQ(formatElementStates(sheet.state.elemstat), "0111111001111111");
}

TEST(CvSheetOnScreen, TheWindowIsHeldInTheFreeAreaAndMakesRoomForItsScrollBar) {
  CvSheet sheet;
  const Rect area = Rect::fromSize(0, 30, 1280, 994);
  sheet.centreOnScreen(1280, 1024);
  EXPECT_EQ(sheet.windowOnScreen(area, 16), Rect::fromSize(sheet.window().left, 213, 647, 598));

  // Taller than the area: as high as it, wider by the bar down its side, and inside it.
  sheet.window().height = 32767;
  sheet.recentreVertically();
  EXPECT_EQ(sheet.windowOnScreen(area, 16), Rect::fromSize(sheet.window().left, 30, 663, 994));
  // Wider too: the whole area.
  sheet.window().width = 32767;
  sheet.centreOnScreen(1280, 1024);
  EXPECT_EQ(sheet.windowOnScreen(area, 16), area);
}

TEST(ElementStates, OnlySixteenDigitsOfZeroToTwoAreStates) {
  EXPECT_TRUE(parseElementStates("0111111021111111"));
  EXPECT_FALSE(parseElementStates("011111102111111"));
  EXPECT_FALSE(parseElementStates("0111111031111111"));
  EXPECT_FALSE(parseElementStates("011111102111111x"));
}

TEST(ElementTable, ControlListsMatchWholeNamesOnly) {
  EXPECT_EQ(elementOfControl("Edit3").value_or(-1), 2);
  EXPECT_EQ(elementOfControl("LABEL3").value_or(-1), 2);
  EXPECT_EQ(elementOfControl("Label17").value_or(-1), 15);
  EXPECT_EQ(elementOfControl("radiogroup1").value_or(-1), 1);
  // The photo, the licence frame and "edit" alone belong to no element, so they always print.
  EXPECT_FALSE(elementOfControl("zImage1"));
  EXPECT_FALSE(elementOfControl("GroupBox10"));
  EXPECT_FALSE(elementOfControl("edit"));
}

}  // namespace
}  // namespace orvane::minicv
