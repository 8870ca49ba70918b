#include "shell/card_audit.h"

#include <gtest/gtest.h>

#include "support/scripted_services.h"

namespace orvane {

namespace {

const std::string information = "Orvane : message d'information";

FontSpec font(const std::string& name, int size) {
  FontSpec result = RichText::defaultFormat();
  result.name = name;
  result.size = static_cast<std::int16_t>(size);
  return result;
}

struct CardAuditTest : ::testing::Test {
  CardModel card;
  ScriptedPrompter prompter;
  ScriptedPrinterService printers = ScriptedPrinterService::withPrinters(1, 600);
  AuditInput input{card};

  void SetUp() override {
    setupStartCard(card, 96);
    // Frame 2's header smaller than frame 1's, as a card that needs no advice has it.
    card.frame(2).text = RichText(font("Arial", 8));
    input.printerAvailable = true;
    input.printRatioX = 6.25;
  }

  std::vector<AuditFinding> audit() { return auditCard(input, printers, prompter, Language::French); }
};

}  // namespace

TEST_F(CardAuditTest, EqualHeaderSizesGiveAdvice300) {
  card.frame(1).text = RichText::fromPlainText("Anne Martin", font("Arial", 12));
  card.frame(2).text = RichText::fromPlainText("rue des Lilas", font("Arial", 12));
  const std::vector<AuditFinding> findings = audit();
  const std::string advice =
      "Conseil 1 : choisissez une taille de police d'en-tête de cadre 1 au moins égale à : 12 - "
      "Avertissement 300";
  ASSERT_EQ(findings, (std::vector<AuditFinding>{{1, 300, advice}}));
  ASSERT_EQ(prompter.shown.size(), 1U);
  EXPECT_EQ(prompter.shown[0].kind, MessageKind::Warning);
  EXPECT_EQ(prompter.shown[0].helpContext, 9);

  // A larger first header, or an empty frame 1, gives no advice.
  prompter.shown.clear();
  card.frame(1).text = RichText::fromPlainText("Anne Martin", font("Arial", 14));
  EXPECT_TRUE(audit().empty());
  card.frame(1).text = RichText();
  EXPECT_TRUE(audit().empty());
}

TEST_F(CardAuditTest, AnIconOverFrameOneGivesAdvice310WithTheLengthToTakeOff) {
  card.iconFile = "logo.bmp";
  card.iconLeft = 8;
  card.iconWidth = 32;
  card.frame(1).frameLeft = 30;  // the icon's right edge 10 pixels past the frame's left edge
  int refreshed = 0;
  input.refreshIcon = [&] { ++refreshed; };
  const std::vector<AuditFinding> findings = audit();
  ASSERT_EQ(findings.size(), 1U);
  // 250 - 188 printer dots are 9.92 pixels: 10, and 2 more for clearance.
  EXPECT_EQ(findings[0].text,
            "Conseil 1 : diminuez la longueur du cadre 1 d'au moins :12 - Avertissement 310");
  EXPECT_EQ(findings[0].id, 310);
  EXPECT_EQ(refreshed, 1);

  // Without a printer at start, or without an icon file, the icon is not checked.
  input.printerAvailable = false;
  EXPECT_TRUE(audit().empty());
  input.printerAvailable = true;
  card.iconFile.clear();
  EXPECT_TRUE(audit().empty());
  EXPECT_EQ(refreshed, 1);
}

TEST_F(CardAuditTest, ACardSmallerThanTheChosenStocksCellsGivesAdvice320) {
  input.stock.followsCard = false;
  input.stock.cell = {85, 55};
  card.cardWidth = 321;  // 85 x 54 mm
  card.cardHeight = 204;
  EXPECT_EQ(audit(),
            (std::vector<AuditFinding>{{1, 320,
                                        "Conseil 1 : la carte est plus petite que les cases de la "
                                        "feuille choisie (85 x 55 mm), elle sera centrée dans chaque "
                                        "case - Avertissement 320"}}));
  input.stock.cell = {85, 54};
  EXPECT_TRUE(audit().empty()) << "a card of the cell's size within half a pixel";
  input.stock = orvaneSheet();
  EXPECT_TRUE(audit().empty());
}

TEST_F(CardAuditTest, BlanksAroundFrameOnesTextAreCounted) {
  card.frame(1).text = RichText::fromPlainText("  mot ");
  const std::vector<AuditFinding> findings = audit();
  ASSERT_EQ(findings.size(), 1U);
  EXPECT_EQ(findings[0].text,
            "le texte du cadre1 contient :3 espaces dont : 2 espaces avant et : 1 espaces arrière. Ceci peut "
            "entrainer un mauvais alignement à l'impression.");
  EXPECT_EQ(prompter.shown[0].title, information);
  EXPECT_EQ(findings[0].id, 1117);

  // Blanks inside, or between lines, are not around the text.
  card.frame(1).text = RichText::fromPlainText("Anne Martin\n rue");
  EXPECT_TRUE(audit().empty());
  // Blanks alone are all before the text, none after it.
  card.frame(1).text = RichText::fromPlainText("   ");
  EXPECT_NE(audit().at(0).text.find(":3 espaces dont : 3 espaces avant et : 0 espaces"), std::string::npos);
}

TEST_F(CardAuditTest, FontsThePrinterSubstitutesAreReportedByFrameAndLine) {
  input.lineFonts = {std::vector{font("Arial", 10)},
                     std::vector{font("Arial", 10), font("Fantaisie", 10), font("Fantaisie", 8)}};
  printers.substitutedFonts = {"Fantaisie"};
  card.frame(1).text = RichText::fromPlainText(" x");  // one finding before the fonts
  const std::vector<AuditFinding> findings = audit();
  ASSERT_EQ(findings.size(), 3U);
  EXPECT_EQ(findings[1].number, 2);
  EXPECT_EQ(findings[1].text,
            "La fonte sélectionnée à la ligne : 2 du cadre 2, pourra être rendue différemment lors de "
            "l'impression, (voir l'aide pour plus d'information à ce sujet).");
  EXPECT_EQ(findings[1].id, 500);
  EXPECT_EQ(findings[2].number, 3);
  EXPECT_EQ(prompter.shown[1].title, information + " 500");
  EXPECT_EQ(printers.fontsAsked, (std::vector<std::string>{"Arial", "Arial", "Fantaisie", "Fantaisie"}));
}

TEST_F(CardAuditTest, NothingToReportSaysSoAndFontsThatCannotBeAskedAreSaidOnce) {
  EXPECT_TRUE(audit().empty());
  ASSERT_EQ(prompter.texts(), std::vector<std::string>{"Aucune anomalie n'est détectée"});
  EXPECT_EQ(prompter.shown[0].title, information);

  prompter.shown.clear();
  input.lineFonts = {std::vector{font("Arial", 10), font("Arial", 10)}, std::vector{font("Arial", 10)}};
  printers.fontsUnknown = true;
  EXPECT_TRUE(audit().empty());
  EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"opération non supportée sur ce système",
                                                        "Aucune anomalie n'est détectée"}));
  EXPECT_EQ(printers.fontsAsked.size(), 1U);
}

TEST(FrameLineFonts, EachDisplayedLineTakesTheFontAtItsStart) {
  CardModel card;
  card.frame(1).frameWidth = 89;  // 84 pixels of text: 12 characters of 7 pixels
  card.frame(1).text = RichText::fromPlainText("Anne Martin graphiste\nrue", font("Arial", 10));
  card.frame(1).text.applyFormat(12, 9, font("Times New Roman", 10));  // "graphiste" wraps onto its own line
  FixedTextMetrics metrics;
  const auto fonts = frameLineFonts(card, metrics, 96);
  ASSERT_EQ(fonts[0].size(), 3U);
  EXPECT_EQ(fonts[0][0].name, "Arial");
  EXPECT_EQ(fonts[0][1].name, "Times New Roman");
  EXPECT_EQ(fonts[0][2].name, "Arial");
  EXPECT_EQ(fonts[1].size(), 1U);  // an empty frame shows one line
}

}  // namespace orvane
