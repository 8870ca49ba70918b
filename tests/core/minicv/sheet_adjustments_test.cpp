#include "minicv/sheet_adjustments.h"

#include <gtest/gtest.h>

#include "support/scripted_services.h"

namespace orvane::minicv {
namespace {

struct Adjusted : ::testing::Test {
  Adjusted() { sheet.open(false); }
  CvSheet sheet;
  ScriptedPrompter prompter;
};

using AlignmentShift = Adjusted;

TEST_F(AlignmentShift, PersonalDetailsLineUpOnTheFirstFieldAndCarryTheNationality) {
  sheet["Edit2"].left = 100;
  EXPECT_TRUE(shiftAlignment(sheet, AlignmentFrame::PersonalDetails, "-7"));
  for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4"}) EXPECT_EQ(sheet[name].left, 103) << name;
  // Edit2 moved by 3: the nationality follows it.
  EXPECT_EQ(sheet["Edit17"].left, 208);
  EXPECT_EQ(sheet["Label17"].left, 153);
  EXPECT_EQ(sheet["Edit8"].left, 110);
}

TEST_F(AlignmentShift, ContactDetailsAndBothFrames) {
  EXPECT_TRUE(shiftAlignment(sheet, AlignmentFrame::ContactDetails, "12"));
  for (const char* name : {"Edit5", "Edit6", "Edit7", "Edit8", "Edit9", "Edit10"})
    EXPECT_EQ(sheet[name].left, 122) << name;
  EXPECT_EQ(sheet["Edit1"].left, 110);
  EXPECT_TRUE(shiftAlignment(sheet, AlignmentFrame::Both, "5"));
  EXPECT_EQ(sheet["Edit1"].left, 115);
  EXPECT_EQ(sheet["Edit9"].left, 127);
}

TEST_F(AlignmentShift, EmptyZeroOrWordAnswersChangeNothing) {
  for (const char* answer : {"", "0", "abc", "4.5", "12px"})
    EXPECT_FALSE(shiftAlignment(sheet, AlignmentFrame::Both, answer)) << answer;
  EXPECT_EQ(sheet["Edit1"].left, 110);
  EXPECT_EQ(sheet["Edit8"].left, 110);
  EXPECT_EQ(shiftCaptionId(AlignmentFrame::PersonalDetails), 180);
  EXPECT_EQ(shiftCaptionId(AlignmentFrame::ContactDetails), 177);
}

using WidthPercentage = Adjusted;

TEST_F(WidthPercentage, ChoosingOneHundredAndFiveTwiceScalesTwiceAndAddsUp) {
  chooseWidthPercentage(sheet, 105, prompter);
  chooseWidthPercentage(sheet, 105, prompter);
  EXPECT_EQ(sheet.state.cumulativeWidthPercentage, 110);
  EXPECT_EQ(sheet.state.widthPercentage, "105");
  EXPECT_EQ(sheet.window().width, 713);     // 647 -> 679 -> 713
  EXPECT_EQ(sheet["Panel1"].width, 495);    // 449 -> 471 -> 495
  EXPECT_EQ(sheet["Panel1"].left, 8);       // lefts up to 20 stay
  EXPECT_EQ(sheet["Edit1"].left, 122);      // 110 -> 116 (115.5 to even) -> 122
  EXPECT_EQ(sheet["Edit1"].width, 171);     // 155 -> 163 -> 171
  EXPECT_EQ(sheet["Label1"].width, 37);     // labels keep their width
  EXPECT_EQ(sheet["GroupBox9"].left, 511);  // the side frames move but keep their size
  EXPECT_EQ(sheet["GroupBox9"].width, 169);
  EXPECT_EQ(sheet["ComboBox3"].left, 112);
  EXPECT_EQ(sheet["GroupBox3"].width, 186);  // 169 -> 177 -> 186
  EXPECT_EQ(sheet["GroupBox31"].width, 161);
  EXPECT_EQ(sheet["CheckBox1"].width, 145);
  EXPECT_EQ(prompter.texts(), (std::vector<std::string>(2, "prise en compte changement largeur")));
}

TEST_F(WidthPercentage, OutsideSeventyFiveToOneHundredAndFiftyTheControlsStay) {
  for (int i = 0; i < 5; ++i) chooseWidthPercentage(sheet, 95, prompter);
  EXPECT_EQ(sheet.state.cumulativeWidthPercentage, 75);
  const int width = sheet.window().width;
  chooseWidthPercentage(sheet, 95, prompter);
  EXPECT_EQ(sheet.state.cumulativeWidthPercentage, 70);
  EXPECT_EQ(sheet.state.widthPercentage, "95");
  EXPECT_EQ(sheet.window().width, width);
  EXPECT_EQ(prompter.texts().size(), 6u);
}

// A value typed in instead of chosen from the list changes nothing, however large.
TEST_F(WidthPercentage, AndHeightPercentagesOutsideTheListAreRefused) {
  const Control window = sheet.window();
  for (const int percent : {94, 106, 0, -100, 2147483647}) {
    chooseWidthPercentage(sheet, percent, prompter);
    chooseHeightPercentage(sheet, percent, prompter);
  }
  EXPECT_EQ(sheet.window().width, window.width);
  EXPECT_EQ(sheet.window().height, window.height);
  EXPECT_EQ(sheet.state.cumulativeWidthPercentage, 100);
  EXPECT_EQ(sheet.state.widthPercentage, "100");
  EXPECT_EQ(sheet.state.heightPercentage, "100");
  EXPECT_EQ(sheet["ComboBox3"].text, "100");
  EXPECT_TRUE(prompter.shown.empty());
}

using HeightPercentage = Adjusted;

TEST_F(HeightPercentage, TheWindowGrowsUpToThirtyPercentAboveItsOpeningHeight) {
  const int heights[] = {628, 659, 692, 727, 763, 763};
  for (int expected : heights) {
    chooseHeightPercentage(sheet, 105, prompter);
    EXPECT_EQ(sheet.window().height, expected);
  }
  EXPECT_EQ(sheet.window().top, 2);  // (768 - 763) / 2 = 2.5, half to even
  EXPECT_EQ(sheet.state.heightPercentage, "105");
  EXPECT_EQ(prompter.texts().back(), "prise en compte changement hauteur");
}

TEST_F(HeightPercentage, AndShrinksDownToThreeQuartersOfIt) {
  for (int i = 0; i < 5; ++i) chooseHeightPercentage(sheet, 95, prompter);
  EXPECT_EQ(sheet.window().height, 463);  // 568, 540, 513, 487, 463
  chooseHeightPercentage(sheet, 95, prompter);
  EXPECT_EQ(sheet.window().height, 463);  // 440 would be below 448.5
}

}  // namespace
}  // namespace orvane::minicv
