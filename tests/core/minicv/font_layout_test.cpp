#include "minicv/font_layout.h"

#include <gtest/gtest.h>

#include "support/scripted_services.h"

namespace orvane::minicv {
namespace {

struct FormFont : ::testing::Test {
  FormFont() { sheet.open(false); }
  CvSheet sheet;
  FixedTextMetrics metrics;  // 7 pixels a character
};

TEST_F(FormFont, FieldsClearTheWidestLabelAndTheAgeRowIsRespaced) {
  applyFormFont(sheet, FontSpec{"Arial", 9, {}, 0}, metrics);
  // "Situation familiale": 10 + 19 x 7 = 143, the fields go to 1.05 x 143.
  for (const char* name : {"Edit1", "Edit2", "Edit4"}) EXPECT_EQ(sheet[name].left, 150) << name;
  EXPECT_EQ(sheet.state.labelColumnRight, 143);
  EXPECT_EQ(sheet["Edit3"].left, 150);
  // a = 1.025 (30 + 143) = 177; label at 1.025 a, as wide as "nationalité"; b = 1.025 (181 + 77) = 264;
  // field at 1.005 b.
  EXPECT_EQ(sheet["Label17"].left, 181);
  EXPECT_EQ(sheet["Label17"].width, 77);
  EXPECT_EQ(sheet["Edit17"].left, 265);
  // The contact labels are narrower than the column already recorded: the fields stay there.
  for (const char* name : {"Edit5", "Edit6", "Edit7", "Edit8", "Edit9"})
    EXPECT_EQ(sheet[name].left, 110) << name;
  EXPECT_EQ(sheet["Label20"].text, "FONT : Arial; 9");
  EXPECT_EQ(sheet["Label1"].font.name, "Arial");
  EXPECT_EQ(sheet["Edit1"].font, sheet.state.fonts.zone);
  EXPECT_TRUE(sheet.state.menu.defaultFonts);
}

TEST_F(FormFont, LabelsAreAsWideAsTheirCaptionsInTheirOwnFonts) {
  sheet["Label9"].text = "number of copies max/pp";
  sheet["Label10"].text.clear();
  const int webSiteWidth = sheet["Label10"].width;
  fitLabelsToCaptions(sheet.tree, metrics);
  EXPECT_EQ(sheet["Label1"].width, 6 * 7);  // "Prénom": characters, not bytes
  EXPECT_EQ(sheet["Label9"].width, 23 * 7);
  EXPECT_EQ(sheet["Label10"].width, webSiteWidth);  // no caption: nothing to follow
}

TEST_F(FormFont, TheSideColumnAndTheWindowWidenForTheLongestCaption) {
  fitLabelsToCaptions(sheet.tree, metrics);
  fitSideColumn(sheet, metrics);
  // "nombre d'ex. max/pp" ends at 8 + 19 x 7: its list follows it; "largeur" leaves its list in place.
  EXPECT_EQ(sheet["ComboBox2"].left, 145);
  EXPECT_EQ(sheet["ComboBox3"].left, 112);
  // "hobbies ou connaissances spécifiques": 30 + 36 x 7 = 282, the boxes' frame 5 + 282 + 11, the
  // column 4 + 298 + 4, the window 464 + 306 + 14.
  EXPECT_EQ(sheet["CheckBox15"].width, 282);
  EXPECT_EQ(sheet["CheckBox13"].width, 275);  // "Stages de formation professionnelle"
  EXPECT_EQ(sheet["CheckBox1"].width, 145);   // "photo" keeps the built width
  EXPECT_EQ(sheet["GroupBox31"].width, 298);
  EXPECT_EQ(sheet["GroupBox3"].width, 306);
  EXPECT_EQ(sheet["GroupBox9"].width, 306);
  EXPECT_EQ(sheet.window().width, 784);
  EXPECT_EQ(sheet.window().left, 120);
}

TEST_F(FormFont, WideLabelsPushTheContactFieldsToo) {
  metrics.characterWidth = 12;
  applyFormFont(sheet, FontSpec{"Times New Roman", 14, {true, false, true, false}, 0}, metrics);
  // "Téléphone": 10 + 9 x 12 = 118 > 110.
  for (const char* name : {"Edit5", "Edit6", "Edit7", "Edit8", "Edit9"})
    EXPECT_EQ(sheet[name].left, 124) << name;
  EXPECT_FALSE(sheet["Edit10"].visible);
  EXPECT_EQ(sheet["Edit10"].left, 110);  // hidden fields keep their place
  EXPECT_EQ(sheet.state.fonts.formStyleFlags, "101");
  EXPECT_EQ(sheet["Label20"].text, "FONT : Times New Roman; 14");
}

TEST_F(FormFont, NarrowLabelsBringThePersonalFieldsBackToTheirColumn) {
  metrics.characterWidth = 3;
  applyFormFont(sheet, FontSpec{"Arial", 6, {}, 0}, metrics);
  // "Situation familiale": 10 + 57 = 67 < 110: the column becomes 1.05 x 67, and the contact fields
  // follow it since their own labels are narrower.
  EXPECT_EQ(sheet["Edit1"].left, 70);
  EXPECT_EQ(sheet.state.columns.personalDetailsField, 70);
  applyFormFont(sheet, FontSpec{"Arial", 6, {}, 0}, metrics);
  EXPECT_EQ(sheet["Edit8"].left, 70);
}

TEST_F(FormFont, DefautPutsTheDefaultFontAndTheFirstColumnsBack) {
  metrics.characterWidth = 12;
  applyFormFont(sheet, FontSpec{"Courier New", 12, {}, 0x00FF00}, metrics);
  restoreDefaultFonts(sheet);
  for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit8", "Edit10"})
    EXPECT_EQ(sheet[name].left, 110) << name;
  EXPECT_EQ(sheet["Edit17"].left, 205);
  EXPECT_EQ(sheet["Label17"].left, 150);
  for (const char* name : {"Label1", "Label8", "Label11", "Label14"})
    EXPECT_EQ(sheet[name].font, (FontSpec{"Arial", 9, {}, 0})) << name;
  EXPECT_FALSE(sheet.state.menu.defaultFonts);
}

}  // namespace
}  // namespace orvane::minicv
