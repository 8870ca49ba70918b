#include "minicv/zone_check.h"

#include <gtest/gtest.h>

#include "minicv/zone_layout.h"
#include "support/scripted_services.h"

namespace orvane::minicv {
namespace {

TEST(TabSignature, SumsThePlacesOfTheTabsAmongTheRunsOfText) {
  EXPECT_EQ(tabSignature("two\twords"), 2);
  EXPECT_EQ(tabSignature("three\tsmall\twords"), 6);
  EXPECT_EQ(tabSignature("\tindented"), 1);
  EXPECT_EQ(tabSignature("a\t\tb"), 5);
  EXPECT_EQ(tabSignature("no tab at all"), 0);
  EXPECT_EQ(tabSignature(""), 0);
}

struct ZoneCheckTest : ::testing::Test {
  void zone(int number, const char* text) {
    sheet[zoneNames(number).text].richText = RichText::fromPlainText(text);
  }
  CvSheet sheet;
  ScriptedPrompter prompter;
};

TEST_F(ZoneCheckTest, DifferentTabStructuresAreReportedAndLinesWithoutTabNever) {
  zone(1, "English\tfluent\nGerman\tgood\nno tab here");
  zone(2, "title\nA\tB\nA\tB\tC");
  zone(4, "x\ty\n\nplain");
  prompter.answers = {Answer::Ok, Answer::No};
  const std::vector<ZoneCheck> results = checkZones(sheet, prompter);
  ASSERT_EQ(results.size(), 4u);
  EXPECT_FALSE(results[0].line);
  EXPECT_EQ(results[1].zone, 2);
  EXPECT_EQ(results[1].line, 3);
  EXPECT_FALSE(results[1].schema);
  EXPECT_FALSE(results[2].line);
  EXPECT_FALSE(results[3].line);
  EXPECT_EQ(prompter.texts(),
            (std::vector<std::string>{
                "Erreur de formatage de texte dans la zone Stages de formation professionnelle : "
                "à l'impression un défaut d'alignement risque d'apparaitre.",
                "Voulez-vous visualiser les tabulations de la zone ?"}));
  EXPECT_EQ(prompter.shown[1].buttons, Buttons::YesNo);
}

TEST_F(ZoneCheckTest, OnlyTheFirstElevenLinesCountAndEachFaultyZoneIsReportedOnce) {
  std::string eleven;
  for (int i = 0; i < 11; ++i) eleven += "a\tb\n";
  zone(1, (eleven + "a\tb\tc").c_str());
  zone(3, (eleven.substr(0, eleven.size() - 4) + "a\tb\tc\na\tb\tc\tdd").c_str());
  const std::vector<ZoneCheck> results = checkZones(sheet, prompter);
  EXPECT_FALSE(results[0].line);
  EXPECT_EQ(results[2].line, 11);
  EXPECT_EQ(prompter.texts().size(), 2u);
}

TEST_F(ZoneCheckTest, YesShowsTheTabSchemaOfTheFaultyZone) {
  zone(3, "a\tb  \n   \nx\ty\tz");
  std::vector<RichText> shown;
  const auto results = checkZones(sheet, prompter, [&](const RichText& schema) { shown.push_back(schema); });
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(results[2].schema, shown.front());
  EXPECT_EQ(shown.front().plainText(),
            "Shéma des tabulations de la zone : Expérience professionnelle\n"
            "ligne 1 : \na1######8b\nligne 3 : \nx1######8y1######8z");
}

TEST(TabSchema, MarksTheTabsInBoldGreenAndTheLineNumbersInBoldSilver) {
  Control zone;
  zone.hint = "Langues";
  zone.richText = RichText::fromPlainText("\tfr");
  const RichText schema = tabSchema(zone);
  const auto& paragraphs = schema.paragraphs();
  ASSERT_EQ(paragraphs.size(), 3u);
  ASSERT_EQ(paragraphs[0].runs.size(), 2u);
  EXPECT_TRUE(paragraphs[0].runs[0].format.style.bold);
  EXPECT_EQ(paragraphs[0].runs[1].text, "Langues");
  EXPECT_EQ(paragraphs[0].runs[1].format.colour, 0x0000FFu);
  EXPECT_EQ(paragraphs[1].runs[0].format.colour, 0xC0C0C0u);
  EXPECT_TRUE(paragraphs[1].runs[0].format.style.bold);
  ASSERT_EQ(paragraphs[2].runs.size(), 2u);
  EXPECT_EQ(paragraphs[2].runs[0].text, "1######8");
  EXPECT_EQ(paragraphs[2].runs[0].format.colour, 0x008000u);
  EXPECT_TRUE(paragraphs[2].runs[0].format.style.bold);
  EXPECT_FALSE(paragraphs[2].runs[1].format.style.bold);
}

}  // namespace
}  // namespace orvane::minicv
