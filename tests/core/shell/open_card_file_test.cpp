#include "shell/open_card_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cardfile/card_file_test_support.h"
#include "catalogue/catalogue.h"
#include "text/line_file.h"

namespace orvane {

using orvane::testing::cardFixture;
using orvane::testing::CardUnderTest;

namespace {

// A copy of a fixture in the test's folder, with some of its lines (index in the file) replaced.
std::string changedFixture(CardUnderTest& test, const std::string& fixture,
                           const std::vector<std::pair<std::size_t, std::string>>& changes) {
  std::vector<std::string> lines = *readLines(cardFixture(fixture));
  for (const auto& [index, line] : changes) lines.at(index) = line;
  const std::string path = test.folder.file("changed.ov1");
  EXPECT_TRUE(writeLines(path, lines).ok());
  return path;
}

OpenedCardFile open(CardUnderTest& test, const std::string& path, const CardFileOpening& opening,
                    RendererState* pictures = nullptr) {
  return openCardFile(test.card, path, opening, test.companions, test.prompter, pictures);
}

}  // namespace

TEST(OpenCardFile, AsksAboutEachFindingInOrderAndStopsAtTheFirstRefusal) {
  CardUnderTest test;
  const std::string path = changedFixture(test, "forty_lines.ov1", {{17, "15 - largeur carte :9000"}});
  const CardModel before = test.card;
  EXPECT_FALSE(open(test, path, {}).loaded);
  std::vector<std::string> expected(11, catalogue::text(Language::French, 174));
  expected.push_back(path + " : Problème dimension");
  EXPECT_EQ(test.prompter.texts(), expected);
  EXPECT_EQ(test.card.cardWidth, before.cardWidth);

  // An Abort ends the questions before the refusal is reached.
  CardUnderTest aborted;
  aborted.prompter.answers = {Answer::Abort};
  EXPECT_FALSE(open(aborted, changedFixture(aborted, "forty_lines.ov1", {}), {}).loaded);
  EXPECT_EQ(aborted.prompter.shown.size(), 1u);

  // The messages follow the interface language.
  CardUnderTest english;
  CardFileOpening opening;
  opening.language = Language::English;
  EXPECT_FALSE(open(english, "a.ov", opening).loaded);
  EXPECT_EQ(english.prompter.texts(), std::vector<std::string>{catalogue::text(Language::English, 151)});
}

TEST(OpenCardFile, TheLoadCommandMakesTheFileTheCurrentFormatTheStartDoesNot) {
  CardUnderTest atStart;
  ASSERT_TRUE(open(atStart, cardFixture("carte.ov1"), {}).loaded);
  EXPECT_EQ(atStart.card.formatIndex, 0);
  EXPECT_FALSE(atStart.card.snapshot(-1).filled);

  CardUnderTest command;
  CardFileOpening opening;
  opening.request = CardFileRequest::LoadCommand;
  ASSERT_TRUE(open(command, cardFixture("carte.ov1"), opening).loaded);
  EXPECT_EQ(command.card.formatIndex, -1);
  EXPECT_TRUE(command.card.snapshot(-1).filled);
  EXPECT_EQ(command.card.snapshot(-1).frame1Width, 240);
}

TEST(OpenCardFile, ALaterLoadCommandStartsFromEmptyFrames) {
  // The copy has no element folder beside it, so no frame text is read from the file.
  for (const bool loadedBefore : {false, true}) {
    CardUnderTest test;
    test.card.frame(1).text = RichText::fromPlainText("ancien texte");
    CardFileOpening opening;
    opening.request = CardFileRequest::LoadCommand;
    opening.cardFileLoadedBefore = loadedBefore;
    ASSERT_TRUE(open(test, changedFixture(test, "carte.ov1", {}), opening).loaded);
    EXPECT_EQ(test.card.frame(1).text.plainText(), loadedBefore ? "" : "ancien texte");
  }
}

TEST(OpenCardFile, TheStoredTransparencyNeedsANamedPattern) {
  CardUnderTest noPattern;
  const std::string path =
      changedFixture(noPattern, "carte.ov1", {{6, "4 - motif carte :"}, {52, "50 - transparence :3"}});
  const OpenedCardFile opened = open(noPattern, path, {});
  ASSERT_TRUE(opened.loaded);
  EXPECT_FALSE(opened.patternNamed);
  EXPECT_EQ(opened.transparency, 3);
  EXPECT_FALSE(noPattern.card.frame(1).frameTransparent || noPattern.card.frame(2).frameTransparent);

  // Over a pattern, a value outside 0 to 3 leaves the frames as they were.
  CardUnderTest outside;
  outside.card.frame(1).frameTransparent = true;
  ASSERT_TRUE(open(outside, changedFixture(outside, "carte.ov1", {{52, "50 - transparence :7"}}), {}).loaded);
  EXPECT_TRUE(outside.card.frame(1).frameTransparent && !outside.card.frame(2).frameTransparent);
}

TEST(OpenCardFile, CachedPicturesAreReadAgainAfterALoad) {
  CardUnderTest test;
  RendererState pictures;
  pictures.patternBitmap = Image(2, 2);
  pictures.transparencyComposite = Image(2, 2);
  pictures.iconImage = Image(2, 2);
  pictures.iconPathRead = "C:\\Mes images\\logo société.ico";
  ASSERT_TRUE(open(test, cardFixture("carte.ov1"), {}, &pictures).loaded);
  EXPECT_FALSE(pictures.patternBitmap || pictures.transparencyComposite || pictures.iconImage);
  EXPECT_TRUE(pictures.iconPathRead.empty());
}

}  // namespace orvane
