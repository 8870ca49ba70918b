#include "minicv/element_switching.h"

#include <gtest/gtest.h>

#include "minicv/element_table.h"

namespace orvane::minicv {
namespace {

struct Opened : ::testing::Test {
  Opened() { sheet.open(false); }
  int top(const char* name) const { return sheet[name].top; }
  int left(const char* name) const { return sheet[name].left; }
  bool shown(const char* name) const { return sheet[name].visible; }
  CvSheet sheet;
};

using AgeRow = Opened;

TEST_F(AgeRow, AgeOffMovesNationalityToTheLeftColumnAndMaritalStatusToTheThirdRow) {
  switchElement(sheet, ageElement, 0);
  EXPECT_FALSE(shown("Edit3"));
  EXPECT_FALSE(shown("Label3"));
  EXPECT_EQ(left("Label17"), 10);
  EXPECT_EQ(left("Edit17"), 110);
  EXPECT_EQ(top("Edit4"), 76);
  EXPECT_EQ(top("Label4"), 76);

  switchElement(sheet, ageElement, 1);
  EXPECT_TRUE(shown("Edit3"));
  EXPECT_EQ(top("Edit3"), 54);
  EXPECT_EQ(sheet["Edit3"].width, 30);
  EXPECT_EQ(left("Label17"), 150);
  EXPECT_EQ(left("Edit17"), 205);
  EXPECT_EQ(top("Edit4"), 76);
}

TEST_F(AgeRow, MaritalStatusMovesUpWhenNothingIsLeftOnTheAgeRow) {
  switchElement(sheet, nationalityElement, 0);
  EXPECT_FALSE(shown("Edit17"));
  EXPECT_EQ(top("Edit4"), 76);
  switchElement(sheet, ageElement, 0);
  EXPECT_EQ(top("Edit4"), 54);
  EXPECT_EQ(top("Label4"), 54);
  switchElement(sheet, nationalityElement, 1);
  EXPECT_EQ(left("Label17"), 10);
  EXPECT_EQ(top("Edit17"), 54);
  EXPECT_EQ(top("Edit4"), 76);
  switchElement(sheet, maritalElement, 0);
  EXPECT_FALSE(shown("Edit4"));
  switchElement(sheet, nationalityElement, 0);
  switchElement(sheet, maritalElement, 1);
  EXPECT_EQ(top("Edit4"), 54);
  EXPECT_EQ(sheet["Edit4"].width, 155);
}

TEST_F(AgeRow, NationalityAloneOnTheAgeRowTakesTheLeftColumnWhicheverWayItGotThere) {
  switchElement(sheet, maritalElement, 0);
  switchElement(sheet, ageElement, 0);
  EXPECT_EQ(left("Label17"), 10);
  EXPECT_EQ(left("Edit17"), 110);
}

TEST_F(AgeRow, AgeSwitchCapturesTheFieldHeightThatTheRowTopsFollow) {
  sheet["Edit3"].height = 21;
  switchElement(sheet, ageElement, 1);
  EXPECT_EQ(sheet.state.standard.fieldHeight, 21);
  switchElement(sheet, emailElement, 1);
  EXPECT_EQ(sheet.state.rows.normal, (std::array<int, 4>{56, 82, 104, 0}));
  EXPECT_EQ(top("Edit6"), 82);
  EXPECT_EQ(top("Edit7"), 104);
}

using ContactRows = Opened;

TEST_F(ContactRows, ATelephoneSwitchedOffLeavesItsRowToTheWebSite) {
  const int fixedTop = top("Edit5");
  switchElement(sheet, fixedPhoneElement, 0);
  EXPECT_FALSE(shown("Edit5"));
  EXPECT_FALSE(shown("Label5"));
  EXPECT_TRUE(shown("Edit10"));
  EXPECT_TRUE(shown("Label10"));
  EXPECT_EQ(sheet["Label10"].text, "Site internet");
  EXPECT_EQ(sheet["Edit10"].width, 300);
  EXPECT_EQ(sheet.state.elemstat[webSiteElement], 1);
  EXPECT_TRUE(sheet["CheckBox8"].checked);
  EXPECT_TRUE(sheet["CheckBox8"].enabled);
  EXPECT_NE(top("Edit10"), fixedTop);  // the rows are packed again at once
  EXPECT_EQ(top("Edit10"), 54);
  EXPECT_EQ(top("Edit6"), 76);
  EXPECT_EQ(top("Edit7"), 96);
  EXPECT_FALSE(sheet["CheckBox9"].enabled);

  switchElement(sheet, fixedPhoneElement, 1);
  EXPECT_TRUE(shown("Edit5"));
  EXPECT_EQ(top("Edit5"), 54);
  EXPECT_EQ(sheet["Label5"].text, "Téléphone");
  EXPECT_FALSE(shown("Edit10"));
  EXPECT_FALSE(sheet["CheckBox8"].enabled);
}

TEST_F(ContactRows, MobileAloneKeepsItsRowWithTheWebSiteJustAboveIt) {
  switchElement(sheet, fixedPhoneElement, 0);
  switchElement(sheet, emailElement, 0);
  EXPECT_EQ(top("Edit6"), 76);
  EXPECT_EQ(top("Edit10"), 55);
  EXPECT_EQ(top("Label10"), 55);
  EXPECT_TRUE(sheet["CheckBox9"].enabled);
}

TEST_F(ContactRows, OptionCadre2PacksTheRowsAndItsGreyStateMakesASecondAddressLine) {
  switchElement(sheet, fixedPhoneElement, 0);
  switchElement(sheet, mobilePhoneElement, 0);
  ASSERT_TRUE(sheet["CheckBox9"].enabled);
  // Unchecked: the e-mail keeps its own row below an empty one.
  EXPECT_EQ(top("Edit7"), 96);
  EXPECT_EQ(top("Edit10"), 54);

  switchElement(sheet, contactOptionElement, 1);
  EXPECT_EQ(top("Edit7"), 76);
  EXPECT_EQ(top("Edit10"), 54);
  EXPECT_EQ(sheet["GroupBox2"].height, 101);
  EXPECT_EQ(sheet["GroupBox4"].top, 266);

  switchElement(sheet, webSiteElement, 0);
  EXPECT_FALSE(shown("Edit10"));
  EXPECT_EQ(top("Edit7"), 54);

  switchElement(sheet, contactOptionElement, 2);
  EXPECT_TRUE(sheet["CheckBox9"].greyed);
  EXPECT_TRUE(shown("Edit10"));
  EXPECT_FALSE(shown("Label10"));
  EXPECT_EQ(top("Edit10"), 55);
  EXPECT_EQ(top("Edit7"), 54);
  EXPECT_EQ(sheet["GroupBox2"].height, 79);
  EXPECT_EQ(sheet["GroupBox4"].top, 244);

  switchElement(sheet, contactOptionElement, 0);
  EXPECT_FALSE(shown("Edit10"));
  EXPECT_EQ(top("Edit7"), 96);
  EXPECT_EQ(sheet["GroupBox2"].height, 121);
  EXPECT_EQ(sheet["GroupBox4"].top, 286);
}

TEST_F(ContactRows, TheContactFrameOnlyGrowsForTheOtherElements) {
  sheet["GroupBox2"].height = 90;
  switchElement(sheet, emailElement, 1);
  EXPECT_EQ(sheet["GroupBox2"].height, 121);
  EXPECT_EQ(sheet["GroupBox4"].top, 286);
  sheet["GroupBox2"].height = 200;
  switchElement(sheet, emailElement, 1);
  EXPECT_EQ(sheet["GroupBox2"].height, 200);
}

TEST_F(ContactRows, ALoadedCvDisablesTheWebSiteWhileBothTelephonesShow) {
  sheet.state.cvLoaded = true;
  switchElement(sheet, fixedPhoneElement, 0);
  EXPECT_TRUE(sheet["CheckBox8"].enabled);
  switchElement(sheet, fixedPhoneElement, 1);
  EXPECT_FALSE(sheet["CheckBox8"].enabled);
  EXPECT_EQ(sheet.state.elemstat[webSiteElement], 2);
}

using OtherElements = Opened;

TEST_F(OtherElements, CivilityPhotoAndMobilityMoveTheFramesBelowThem) {
  switchElement(sheet, civilityElement, 0);
  EXPECT_FALSE(shown("radiogroup1"));
  EXPECT_EQ(top("GroupBox1"), 10);
  EXPECT_EQ(sheet["GroupBox1"].width, 300);
  switchElement(sheet, civilityElement, 1);
  EXPECT_EQ(top("GroupBox1"), 45);
  EXPECT_EQ(sheet["radiogroup1"].height, 28);

  switchElement(sheet, photoElement, 1);
  EXPECT_TRUE(shown("zImage1"));
  switchElement(sheet, photoElement, 0);
  EXPECT_FALSE(shown("zImage1"));

  switchElement(sheet, vehicleElement, 0);
  EXPECT_FALSE(shown("radiogroup2"));
  EXPECT_EQ(left("GroupBox10"), 10);
  EXPECT_EQ(top("GroupBox5"), 50);  // the licence is still on
  switchElement(sheet, licenceElement, 0);
  EXPECT_FALSE(shown("GroupBox10"));
  EXPECT_EQ(top("GroupBox5"), 10);
  switchElement(sheet, vehicleElement, 1);
  EXPECT_EQ(left("GroupBox10"), 10);  // a hidden licence frame stays where it was
  EXPECT_EQ(top("GroupBox5"), 50);
  switchElement(sheet, licenceElement, 1);
  EXPECT_TRUE(shown("GroupBox10"));
  EXPECT_EQ(left("GroupBox10"), 190);
}

TEST_F(OtherElements, EverySwitchRecordsTheStateAndCallsTheHook) {
  std::vector<int> switched;
  sheet.afterElementSwitch = [&](int element) { switched.push_back(element); };
  switchElement(sheet, photoElement, 1);
  switchElement(sheet, zone4Element, 0);
  EXPECT_EQ(switched, (std::vector<int>{0, 14}));
  EXPECT_EQ(formatElementStates(sheet.state.elemstat), "1111111001111101");
  EXPECT_TRUE(sheet["CheckBox1"].checked);
  EXPECT_FALSE(sheet["CheckBox15"].checked);
}

}  // namespace
}  // namespace orvane::minicv
