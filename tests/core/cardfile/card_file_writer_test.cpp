#include "cardfile/card_file_writer.h"

#include <gtest/gtest.h>

#include "card_file_test_support.h"
#include "catalogue/catalogue.h"

namespace orvane {

using orvane::testing::cardFixture;
using orvane::testing::CardUnderTest;
using orvane::testing::readBytes;
using orvane::testing::writeBytes;

namespace {

// Numbered line `number` (1 to 51) of `card`'s file.
std::string line(const CardModel& card, int number, int screenResolution = 96) {
  return cardFileLines(card, "carte", screenResolution).at(static_cast<std::size_t>(number + 2));
}

}  // namespace

TEST(CardFileWriter, WritesTheStartCard) {
  CardModel card;
  setupStartCard(card, 96);
  const std::vector<std::string> lines = cardFileLines(card, "ma carte", 120);
  ASSERT_EQ(lines.size(), 54u);
  EXPECT_EQ(lines[3], "1 - texte 1 : .\\element\\C1ma carte.rtf");
  // No header font is set: the font the first line shows is saved; an unset body font is zeros.
  EXPECT_EQ(lines[8], "6 - nom police en-tête cadre 1 :Arial");
  EXPECT_EQ(lines[39], "37 - taille police en-tête cadre 1 :10");
  EXPECT_EQ(lines[10], "8 - nom police corps cadre 1 :");
  EXPECT_EQ(lines[45], "43 - taille police corps cadre 1 :0");
  EXPECT_EQ(lines[38], "36 - valeur d'écartement :8");
  EXPECT_EQ(lines[51], "49 - résolution système :120");
}

TEST(CardFileWriter, EncodesColoursStylesAndFlags) {
  CardModel card;
  setupStartCard(card, 96);
  card.cardColor = 0;
  card.frame(1).frameColor = 0x1000000;
  card.frame(2).frameColor = 0xABC;
  card.orientation = Orientation::Horizontal;
  card.frame(2).frameTransparent = true;
  card.frame(1).bodyFont = {"Arial", 9, {true, true, true, true}, 0xFF};
  EXPECT_EQ(line(card, 18), "18 - couleur carte :$");
  EXPECT_EQ(line(card, 30), "30 - couleur cadre 1 :$");
  EXPECT_EQ(line(card, 31), "31 - couleur cadre 2 :$00000ABC");
  EXPECT_EQ(line(card, 3), "3 - orientation :paysage");
  EXPECT_EQ(line(card, 44), "44 - style police corps cadre 1 :14");  // strike-out is not kept
  EXPECT_EQ(line(card, 45), "45 - couleur police corps cadre 1 :255");
  EXPECT_EQ(line(card, 50), "50 - transparence :2");
}

TEST(CardFileWriter, FontColoursComeBackAsTheyWereSaved) {
  CardUnderTest test;
  // System colours are negative; the largest plain colour is white.
  const Colour system = static_cast<Colour>(-1);
  const Colour windowText = 0x80000008;
  test.card.frame(1).bodyFont = {"Arial", 9, {}, system};
  test.card.frame(2).bodyFont = {"Arial", 9, {}, windowText};
  test.card.frame(2).headerFont = {"Arial", 10, {}, 0xFFFFFF};
  applyFrameFonts(test.card);
  EXPECT_EQ(line(test.card, 45), "45 - couleur police corps cadre 1 :-1");
  EXPECT_EQ(line(test.card, 48), "48 - couleur police corps cadre 2 :-2147483640");

  const std::string target = test.folder.file("couleurs.ov1");
  ASSERT_TRUE(writeCardFile(test.card, target, "couleurs", 96).ok());
  CardUnderTest again;
  ASSERT_TRUE(again.load(target).loaded);
  EXPECT_EQ(again.card.frame(1).bodyFont.colour, system);
  EXPECT_EQ(again.card.frame(2).bodyFont.colour, windowText);
  EXPECT_EQ(again.card.frame(2).headerFont.colour, 0xFFFFFFu);
}

TEST(CardFileWriter, SavesTheHeaderFontTheFirstLineActuallyShows) {
  CardModel card;
  setupStartCard(card, 96);
  card.frame(1).text = RichText::fromPlainText("Nom\nAdresse");
  card.frame(1).headerFont = {"Verdana", 12, {false, true, false, false}, 0x10};
  applyFrameFonts(card);
  EXPECT_EQ(line(card, 6), "6 - nom police en-tête cadre 1 :Verdana");
  EXPECT_EQ(line(card, 38), "38 - style police en-tête cadre 1 :4");

  card.frame(1).text.applyFormat(0, 3, {"Georgia", 16, {true, false, false, false}, 0x20});
  EXPECT_EQ(line(card, 6), "6 - nom police en-tête cadre 1 :Georgia");
  EXPECT_EQ(line(card, 37), "37 - taille police en-tête cadre 1 :16");
  EXPECT_EQ(line(card, 39), "39 - couleur police en-tête cadre 1 :32");
}

TEST(CardFileWriter, ReproducesAHandWrittenFileByteForByte) {
  CardUnderTest test;
  ASSERT_TRUE(test.load(cardFixture("carte.ov1")).loaded);
  const std::string target = test.folder.file("carte.ov1");
  ASSERT_TRUE(writeCardFile(test.card, target, "carte", 96).ok());
  EXPECT_EQ(readBytes(target), readBytes(cardFixture("carte.ov1")));

  // Written again after loading its own output, the file does not change.
  CardUnderTest again;
  ASSERT_TRUE(again.load(target).loaded);
  EXPECT_EQ(cardFileLines(again.card, "carte", 96), cardFileLines(test.card, "carte", 96));
}

// A "?" is a character like any other: no file of a fixed name beside the target is written or deleted.
TEST(CardFileWriter, APathWithAQuestionMarkIsWrittenAsItIs) {
  CardUnderTest test;
  writeBytes(test.folder.path() / "savedov1.txt", "the user's own");
  const std::string target = test.folder.file("carte?.ov1");
  ASSERT_TRUE(writeCardFile(test.card, target, "carte?", 96).ok());
  EXPECT_NE(readBytes(target).find("C1carte?.rtf"), std::string::npos);
  EXPECT_EQ(readBytes(test.folder.path() / "savedov1.txt"), "the user's own");

  test.card.patternFile = std::string(300, 'p');
  ASSERT_TRUE(writeCardFile(test.card, target, "carte", 96).ok());
  EXPECT_NE(readBytes(target).find("4 - motif carte :" + std::string(255 - 17, 'p') + "\r\n"),
            std::string::npos);
}

TEST(CardFileWriter, FrameTextsAreWrittenUnlessAlreadyThereUnchanged) {
  CardUnderTest test;
  const auto element = test.folder.path() / "element";
  std::filesystem::create_directory(element);
  for (const char* name : {"carte.ov1", "element/C1carte.rtf", "element/C2carte.rtf"})
    std::filesystem::copy_file(cardFixture(name), test.folder.path() / name);
  const std::string cardFile = test.folder.file("carte.ov1");
  ASSERT_TRUE(test.load(cardFile).loaded);
  test.card.frame(2).modified = true;

  EXPECT_TRUE(saveFrameTexts(test.card, cardFile, "carte", test.companions, Language::French, test.prompter));
  EXPECT_EQ(readBytes(element / "C1carte.rtf"), readBytes(cardFixture("element/C1carte.rtf")));
  EXPECT_EQ(readBytes(element / "C2carte.rtf").substr(0, 12), "{\\rtf1\\utf8\\");

  // Saved under another name, both texts are written.
  EXPECT_TRUE(saveFrameTexts(test.card, cardFile, "autre", test.companions, Language::French, test.prompter));
  EXPECT_TRUE(std::filesystem::exists(element / "C1autre.rtf"));
  EXPECT_TRUE(test.prompter.shown.empty());
}

TEST(CardFileWriter, AMissingElementFolderIsReportedForEachText) {
  CardUnderTest test;
  const std::string cardFile = test.folder.file("carte.ov1");
  EXPECT_FALSE(
      saveFrameTexts(test.card, cardFile, "carte", test.companions, Language::French, test.prompter));
  EXPECT_EQ(test.prompter.texts(), std::vector<std::string>(2, catalogue::text(Language::French, 133)));
}

}  // namespace orvane
