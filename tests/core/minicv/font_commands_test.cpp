#include "minicv/font_commands.h"

#include <gtest/gtest.h>

#include "support/scripted_dialogs.h"
#include "support/scripted_services.h"

namespace orvane::minicv {

namespace {

struct FontCommandsTest : ::testing::Test {
  FontCommandsTest() { sheet.open(false); }

  CvSheet sheet;
  ScriptedDialogs dialogs;
  FixedTextMetrics metrics;
  const FontSpec bold{"Liberation Serif", 10, {.bold = true, .italic = false, .underline = true}, 0x0000FF};
};

}  // namespace

TEST_F(FontCommandsTest, TheFormAndZoneFontsComeFromTrueTypeDialogsOfLimitedSizes) {
  dialogs.fonts = {bold, bold};
  attributs1Click(sheet, dialogs, metrics);
  ASSERT_EQ(dialogs.fontRequests.size(), 1U);
  EXPECT_EQ(dialogs.fontRequests[0].sizes, (SizeRange{8, 10}));
  EXPECT_TRUE(dialogs.fontRequests[0].options.has(FontOption::TrueTypeOnly));
  EXPECT_TRUE(dialogs.fontRequests[0].options.has(FontOption::Effects));
  EXPECT_EQ(sheet.state.fonts.form, bold);
  EXPECT_EQ(sheet.state.fonts.formStyleFlags, "101");
  EXPECT_TRUE(sheet.state.menu.defaultFonts);
  EXPECT_EQ(sheet["Label1"].font, bold);

  style1Click(sheet, dialogs);
  EXPECT_EQ(dialogs.fontRequests[1].sizes, (SizeRange{8, 14}));
  EXPECT_EQ(sheet.state.fonts.zoneStyleFlags, "101");
  EXPECT_EQ(sheet["Edit1"].font, bold);
  EXPECT_EQ(sheet["Edit8"].font, bold);  // the contact frame's fields too

  dialogs.fonts = {std::nullopt};  // cancelled: nothing changes
  style1Click(sheet, dialogs);
  EXPECT_EQ(sheet.state.fonts.zone, bold);
}

TEST_F(FontCommandsTest, TheSelectionStyleStartsFromTheLastSelectionAndClearsThemAll) {
  const FontSpec plain{"Arial", 9, {}, 0};
  const FontSpec marked{"Arial", 12, {}, 0x00FF00};
  sheet["REdit1"].richText = RichText::fromPlainText("first zone", plain);
  sheet["REdit3"].richText = RichText::fromPlainText("third zone", marked);
  ZoneSelections selections{};
  selections[0] = {0, 5};
  selections[2] = {6, 4};
  dialogs.fonts = {bold};
  ASSERT_TRUE(styleslection1Click(sheet, selections, dialogs));
  EXPECT_EQ(dialogs.fontRequests[0].preset, marked);  // zone 3 comes after zone 1
  EXPECT_FALSE(dialogs.fontRequests[0].sizes.has_value());
  EXPECT_EQ(sheet["REdit1"].richText.formatAt(0), bold);
  EXPECT_EQ(sheet["REdit1"].richText.formatAt(6), plain);
  EXPECT_EQ(sheet["REdit3"].richText.formatAt(7), bold);
  EXPECT_EQ(sheet["REdit3"].richText.formatAt(0), marked);
  for (const ZoneSelection& selection : selections) EXPECT_EQ(selection.length, 0);
}

}  // namespace orvane::minicv
