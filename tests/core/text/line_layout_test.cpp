#include "text/line_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/utf8.h"

namespace orvane {

namespace {

// Ten units a character, tab stops every 50: easy widths to reckon with.
const LineMetrics tenPerCharacter{[](std::string_view text) { return 10 * utf8Length(text); }, 50};

// The display lines of `paragraph` at `width`, each as the paragraph holds it.
std::vector<std::string> lines(std::string_view paragraph, int width,
                               const LineMetrics& metrics = tenPerCharacter) {
  std::vector<std::string> result;
  std::size_t start = 0;
  do {
    const std::size_t end = displayLineEnd(paragraph, start, width, metrics);
    result.emplace_back(paragraph.substr(start, end - start));
    start = end;
  } while (start < paragraph.size());
  return result;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(LineLayout, BreaksAfterBlanksWhichHangPastTheEdge) {
  EXPECT_EQ(lines("Une ligne bien plus longue", 100), (Lines{"Une ligne ", "bien plus ", "longue"}));
  // "ligne" ends exactly at the edge: the blank after it does not push it down.
  EXPECT_EQ(lines("Une  ligne   bien", 100), (Lines{"Une  ligne   ", "bien"}));
  EXPECT_EQ(lines("court", 100), (Lines{"court"}));
  EXPECT_EQ(lines("", 100), (Lines{""}));
  EXPECT_EQ(lines("fin   ", 30), (Lines{"fin   "})) << "blanks at the end never make a line of their own";
  EXPECT_EQ(lines("   Graphiste du nord", 100), (Lines{"   Graphis", "te du nord"}))
      << "leading blanks stay with the word after them";
}

TEST(LineLayout, AHyphenInsideAWordIsABreakButNotOneAfterABlank) {
  EXPECT_EQ(lines("Jean-Pierre Martin", 100), (Lines{"Jean-", "Pierre ", "Martin"}));
  EXPECT_EQ(lines("Tél. 01-23-45", 90), (Lines{"Tél. 01-", "23-45"}));
  EXPECT_EQ(lines("solde -12345678", 90), (Lines{"solde ", "-12345678"}));
}

TEST(LineLayout, AWordWiderThanTheLineIsCutAfterTheLastCharacterThatFits) {
  EXPECT_EQ(lines("anticonstitutionnellement", 100), (Lines{"anticonsti", "tutionnell", "ement"}));
  EXPECT_EQ(lines("un anticonstitutionnel", 100), (Lines{"un ", "anticonsti", "tutionnel"}))
      << "the long word first goes down to a line of its own";
  EXPECT_EQ(lines("ééééé", 25), (Lines{"éé", "éé", "é"})) << "characters are never split";
  EXPECT_EQ(lines("abc", 0), (Lines{"a", "b", "c"})) << "a line too narrow for anything still shows one";
}

TEST(LineLayout, TabsMoveOnToTheNextStopAndCountInTheLinesWidth) {
  EXPECT_EQ(tabbedWidth("Téléphone\tx", tenPerCharacter), 110) << "90 goes on to the stop at 100";
  EXPECT_EQ(tabbedWidth("\t\tx", tenPerCharacter), 110);
  EXPECT_EQ(lines("Nom\tDupont Anne", 120), (Lines{"Nom\tDupont ", "Anne"}));
  EXPECT_EQ(lines("Nom\tDupont", 100), (Lines{"Nom\t", "Dupont"})) << "a tab is a blank to break after";
}

}  // namespace orvane
