#include "cardfile/card_file_loader.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "card_file_test_support.h"
#include "catalogue/catalogue.h"
#include "text/line_file.h"

namespace orvane {

using orvane::testing::cardFixture;
using orvane::testing::CardUnderTest;
using Values = std::vector<int>;

namespace {

Values frameGeometry(const FrameModel& frame) {
  return {frame.frameLeft, frame.frameTop, frame.frameWidth, frame.frameHeight};
}
Values cardGeometry(const CardModel& card) {
  return {card.cardWidth, card.cardHeight, card.cardTop,    card.iconLeft,
          card.iconTop,   card.iconWidth,  card.iconHeight, card.spacing};
}
FontSpec font(const char* name, int size, FontStyle style, Colour colour) {
  return {name, static_cast<std::int16_t>(size), style, colour};
}

}  // namespace

TEST(CardFileLoader, AppliesEveryValueOfTheFile) {
  CardUnderTest test;
  test.card.frame(1).modified = true;
  const OpenedCardFile result = test.load(cardFixture("carte.ov1"));
  ASSERT_TRUE(result.loaded);
  EXPECT_EQ(result.transparency, 2);
  EXPECT_TRUE(result.decorationsNamed);
  EXPECT_TRUE(test.prompter.shown.empty());

  const CardModel& card = test.card;
  EXPECT_EQ(cardGeometry(card), Values({340, 204, 31, 16, 20, 48, 48, 12}));
  EXPECT_EQ(Values({card.designWidth, card.designHeight, card.designIconLeft, card.designIconTop}),
            Values({340, 204, 16, 20}));
  EXPECT_EQ(card.cardColor, 0xF0C0CDu);
  EXPECT_EQ(card.orientation, Orientation::Vertical);
  EXPECT_EQ(card.patternFile, "C:\\Mes images\\écorce.bmp");
  EXPECT_EQ(card.iconFile, "C:\\Mes images\\logo société.ico");

  const FrameModel& frame1 = card.frame(1);
  const FrameModel& frame2 = card.frame(2);
  EXPECT_EQ(frameGeometry(frame1), Values({90, 12, 240, 90}));
  EXPECT_EQ(frameGeometry(frame2), Values({10, 110, 320, 80}));
  EXPECT_EQ(Values({frame1.frameAlignment, frame2.frameAlignment}), Values({alignCentre, alignRight}));
  EXPECT_EQ(frame2.text.paragraphs().at(0).alignment, ParagraphAlignment::Right);
  EXPECT_EQ(frame1.frameColor, 0xFFCDC0u);
  EXPECT_EQ(frame2.frameColor, 0x80FF00u);
  EXPECT_EQ(frame2.accessColor, 0x80FF00u);
  // A pattern is named, so the frames take the stored transparency.
  EXPECT_TRUE(result.patternNamed);
  EXPECT_TRUE(!frame1.frameTransparent && frame2.frameTransparent);
  EXPECT_EQ(frame1.headerFont, font("Times New Roman", 14, {true, false, false, false}, 8388608));
  EXPECT_EQ(frame2.headerFont, font("Arial Narrow", 11, {true, true, false, false}, 255));
  EXPECT_EQ(frame1.bodyFont, font("Arial", 9, {}, 0));
  EXPECT_EQ(frame2.bodyFont, font("Courier New", 8, {false, true, false, false}, 4210752));

  // The frame texts come from the element folder beside the card file, their fonts from the file.
  EXPECT_EQ(frame1.frameTextFile, cardFixture("element/C1carte.rtf"));
  EXPECT_EQ(frame2.frameTextFile, cardFixture("element/C2carte.rtf"));
  EXPECT_EQ(frame1.text.plainText(), "Jean Dupré\nConseil en énergie");
  EXPECT_TRUE(headerFontMatches(card, 1));
  EXPECT_FALSE(frame1.modified);
}

TEST(CardFileLoader, RescalesLengthsFromTheSavedResolutionWithTiesToEven) {
  CardUnderTest at96;
  ASSERT_TRUE(at96.load(cardFixture("saved_at_120dpi.ov1"), 96).loaded);
  EXPECT_EQ(cardGeometry(at96.card), Values({182, 273, 41, 7, 20, 32, 36, 10}));
  EXPECT_EQ(frameGeometry(at96.card.frame(1)), Values({48, 24, 89, 81}));
  EXPECT_EQ(frameGeometry(at96.card.frame(2)), Values({2, 144, 185, 145}));
  EXPECT_EQ(at96.card.frame(1).headerFont.size, 14);  // points are not pixels

  CardUnderTest atHalf;
  ASSERT_TRUE(atHalf.load(cardFixture("saved_at_120dpi.ov1"), 60).loaded);
  EXPECT_EQ(cardGeometry(atHalf.card), Values({114, 170, 26, 4, 12, 20, 22, 6}));
  EXPECT_EQ(frameGeometry(atHalf.card.frame(1)), Values({30, 15, 56, 50}));
  EXPECT_EQ(frameGeometry(atHalf.card.frame(2)), Values({2, 90, 116, 90}));
}

TEST(CardFileLoader, DecodesColoursStylesAndPositions) {
  CardUnderTest dollar;
  ASSERT_TRUE(dollar.load(cardFixture("dollar_alone.ov1")).loaded);
  EXPECT_EQ(dollar.card.cardColor, 0u);

  CardUnderTest style;
  ASSERT_TRUE(style.load(cardFixture("style_14.ov1")).loaded);
  EXPECT_EQ(style.card.frame(1).headerFont.style, (FontStyle{true, true, true, false}));
  EXPECT_EQ(style.card.frame(1).bodyFont.style, FontStyle{});

  // Values are taken by position, whatever number a line carries.
  CardUnderTest shuffled;
  ASSERT_TRUE(shuffled.load(cardFixture("out_of_order.ov1")).loaded);
  EXPECT_EQ(Values({shuffled.card.cardWidth, shuffled.card.cardHeight}), Values({204, 340}));
}

TEST(CardFileLoader, AFileOfAnOlderVersionLoadsAfterOneNotice) {
  CardUnderTest test;
  ASSERT_TRUE(test.load(cardFixture("fifty_lines.ov1")).loaded);
  ASSERT_EQ(test.prompter.shown.size(), 1u);
  EXPECT_EQ(test.prompter.shown[0].text, catalogue::text(Language::French, 173));
  EXPECT_EQ(test.prompter.shown[0].kind, MessageKind::Information);
  EXPECT_EQ(test.prompter.shown[0].buttons, Buttons::Ok);
  EXPECT_EQ(test.card.cardWidth, 340);
}

TEST(CardFileLoader, EachLineWithoutColonAsksWhetherToGoOn) {
  CardUnderTest forty;
  ASSERT_TRUE(forty.load(cardFixture("forty_lines.ov1")).loaded);
  EXPECT_EQ(forty.prompter.texts(), std::vector<std::string>(11, catalogue::text(Language::French, 174)));
  EXPECT_EQ(forty.prompter.shown.at(0).buttons, Buttons::OkAbort);
  EXPECT_EQ(forty.card.frame(2).headerFont.size, 11);  // line 40, the last one present

  CardUnderTest missing;
  const Values startFrame1 = frameGeometry(missing.card.frame(1));
  ASSERT_TRUE(missing.load(cardFixture("missing_colons.ov1")).loaded);
  EXPECT_EQ(missing.prompter.shown.size(), 3u);
  // Lines 19 to 21 have no ":": the frame keeps its width, height and top; line 28 gives its left.
  EXPECT_EQ(frameGeometry(missing.card.frame(1)),
            Values({90, startFrame1[1], startFrame1[2], startFrame1[3]}));

  CardUnderTest aborted;
  aborted.prompter.answers = {Answer::Ok, Answer::Ok, Answer::Abort};
  const CardModel before = aborted.card;
  const OpenedCardFile result = aborted.load(cardFixture("forty_lines.ov1"));
  EXPECT_FALSE(result.loaded);
  EXPECT_EQ(aborted.prompter.shown.size(), 3u);
  EXPECT_EQ(cardGeometry(aborted.card), cardGeometry(before));
  EXPECT_EQ(aborted.card.frame(1).headerFont, before.frame(1).headerFont);
}

TEST(CardFileLoader, ALineWithoutColonKeepsWhatTheCardHadBeforeTheLoad) {
  CardUnderTest test;
  CardModel& card = test.card;
  card.frame(2).headerFont.style = {false, true, false, false};
  card.frame(2).headerFont.colour = 0x123456;
  card.frame(1).bodyFont = font("Verdana", 12, {true, false, false, false}, 0xFF);
  card.frame(2).bodyFont = font("Georgia", 7, {}, 0xFF00);
  card.frame(1).frameTransparent = true;
  const FontSpec body1 = card.frame(1).bodyFont;
  const FontSpec body2 = card.frame(2).bodyFont;

  // Lines 41 to 51 are missing: lengths are taken unscaled and every value of those lines stays.
  ASSERT_TRUE(test.load(cardFixture("forty_lines.ov1"), 120).loaded);
  EXPECT_EQ(card.frame(2).headerFont, font("Arial Narrow", 11, {false, true, false, false}, 0x123456));
  EXPECT_EQ(card.frame(1).bodyFont.size, body1.size);
  EXPECT_EQ(card.frame(1).bodyFont.colour, body1.colour);
  EXPECT_EQ(card.frame(2).bodyFont.size, body2.size);
  EXPECT_EQ(card.frame(2).bodyFont.colour, body2.colour);
  EXPECT_EQ(card.cardWidth, 340);
  EXPECT_TRUE(card.frame(1).frameTransparent && !card.frame(2).frameTransparent);
}

TEST(CardFileLoader, RefusesPathsThatCannotNameACardFile) {
  CardUnderTest test;
  EXPECT_FALSE(test.load("a.ov").loaded);
  ASSERT_EQ(test.prompter.shown.size(), 1u);
  EXPECT_EQ(test.prompter.shown[0].text, "Fichier de nom incorrect ou non défini");
  EXPECT_EQ(test.prompter.shown[0].kind, MessageKind::Error);

  const std::string absent = test.folder.file("missing.ov1");
  EXPECT_FALSE(test.load(absent).loaded);
  EXPECT_FALSE(test.load(test.folder.file("")).loaded);  // a folder holds no lines
  EXPECT_EQ(
      test.prompter.texts(),
      (std::vector<std::string>{"Fichier de nom incorrect ou non défini", "Fichier non trouvé : " + absent,
                                "Fichier non trouvé : " + test.folder.file("")}));
  EXPECT_EQ(test.prompter.shown[1].kind, MessageKind::Error);
  EXPECT_EQ(test.card.cardWidth, 182);
}

TEST(CardFileLoader, AbsurdValuesAreRefusedOrKeptWithinWhatAWindowHolds) {
  CardUnderTest test;
  const std::vector<std::string> good = *readLines(cardFixture("carte.ov1"));
  const std::string path = test.folder.file("absurd.ov1");
  const CardModel before = test.card;

  // A card or icon side the editor cannot draw is refused, and the card stays as it was.
  for (const auto& [index, line] :
       {std::pair{17, "15 - largeur carte :2147483647"}, std::pair{18, "16 - hauteur carte :4001"},
        std::pair{18, "16 - hauteur carte :-2147483648"}, std::pair{34, "32 - largeur image :0"},
        std::pair{35, "33 - hauteur image :4001"}}) {
    std::vector<std::string> lines = good;
    lines.at(index) = line;
    ASSERT_TRUE(writeLines(path, lines).ok());
    test.prompter.shown.clear();
    EXPECT_FALSE(test.load(path).loaded) << line;
    EXPECT_EQ(test.prompter.texts(), std::vector<std::string>{path + " : Problème dimension"});
    EXPECT_EQ(test.prompter.shown.at(0).kind, MessageKind::Error);
    EXPECT_EQ(cardGeometry(test.card), cardGeometry(before));
    EXPECT_EQ(test.card.frame(1).text, before.frame(1).text);
  }
  // Rescaling counts: 3200 pixels saved at 96 pixels per inch are 4000 at 120, and still drawn.
  std::vector<std::string> lines = good;
  lines.at(17) = "15 - largeur carte :3200";
  ASSERT_TRUE(writeLines(path, lines).ok());
  EXPECT_TRUE(test.load(path, 120).loaded);
  EXPECT_EQ(test.card.cardWidth, maxDrawableLength);
  EXPECT_FALSE(test.load(path, 121).loaded);

  // Other lengths and font sizes are kept within 16 bits.
  lines = good;
  lines.at(21) = "19 - largeur texte 1 :-2147483648";
  lines.at(23) = "21 - top origine texte 1 :2147483647";
  lines.at(39) = "37 - taille police en-tête cadre 1 :99999";
  ASSERT_TRUE(writeLines(path, lines).ok());
  ASSERT_TRUE(test.load(path).loaded);
  EXPECT_EQ(Values({test.card.frame(1).frameWidth, test.card.frame(1).frameTop}), Values({-32768, 32767}));
  EXPECT_EQ(test.card.frame(1).headerFont.size, 32767);

  // A resolution below 1 cannot scale anything: lengths are taken as they are.
  lines = good;
  lines.at(51) = "49 - résolution système :-96";
  ASSERT_TRUE(writeLines(path, lines).ok());
  ASSERT_TRUE(test.load(path, 120).loaded);
  EXPECT_EQ(test.card.cardTop, 31);
}

TEST(CardFileLoader, ReadsNoMoreOfAFileThanItsLinesHold) {
  CardUnderTest test;
  std::vector<std::string> lines = *readLines(cardFixture("carte.ov1"));
  // A line is cut where the writer cuts it; the next line is still the next value.
  lines.at(6) = "4 - motif carte :" + std::string(400, 'p');
  // Lines after line 51 change nothing.
  for (int i = 0; i < 1000; ++i) lines.push_back(std::string(300, 'x'));
  const std::string path = test.folder.file("long.ov1");
  ASSERT_TRUE(writeLines(path, lines).ok());
  std::string bytes = *readFileBytes(path);
  bytes.replace(bytes.find(std::string(255 - 17, 'p')), 255 - 17, std::string(400, 'p'));
  ASSERT_TRUE(writeFileReplacing(path, bytes).ok());

  ASSERT_TRUE(test.load(path).loaded);
  EXPECT_EQ(test.card.patternFile, std::string(255 - 17, 'p'));
  EXPECT_EQ(test.card.iconFile, "C:\\Mes images\\logo société.ico");
  EXPECT_TRUE(test.prompter.shown.empty());
}

TEST(CardFileLoader, TheTrackBarTopWinsOverTheFile) {
  CardUnderTest test;
  CardFileOpening options;
  options.trackBarTop = 7;
  ASSERT_TRUE(
      openCardFile(test.card, cardFixture("carte.ov1"), options, test.companions, test.prompter).loaded);
  EXPECT_EQ(test.card.cardTop, 7);
}

TEST(StoredTransparency, SetsEachFrameFromItsBit) {
  CardModel card;
  applyStoredTransparency(card, 3);
  EXPECT_TRUE(card.frame(1).frameTransparent && card.frame(2).frameTransparent);
  applyStoredTransparency(card, 2);
  EXPECT_TRUE(!card.frame(1).frameTransparent && card.frame(2).frameTransparent);
  applyStoredTransparency(card, 4);
  EXPECT_TRUE(!card.frame(1).frameTransparent && card.frame(2).frameTransparent);
}

}  // namespace orvane
