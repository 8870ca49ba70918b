#include "richtext/rich_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace orvane {
namespace {

FontSpec font(const char* name, int size, bool bold = false, Colour colour = 0) {
  FontSpec format;
  format.name = name;
  format.size = static_cast<std::int16_t>(size);
  format.style.bold = bold;
  format.colour = colour;
  return format;
}

const FontSpec plain = RichText::defaultFormat();
const FontSpec bold = font("Arial", 10, true);

std::vector<TextRun> runsOf(const RichText& text, std::size_t paragraph) {
  return text.paragraphs().at(paragraph).runs;
}

TEST(RichText, EmptyDocumentHasOneEmptyParagraphInItsInsertionFormat) {
  const RichText text(bold);
  EXPECT_EQ(text.paragraphs().size(), 1u);
  EXPECT_TRUE(text.isEmpty());
  EXPECT_EQ(text.formatAt(0), bold);
  EXPECT_EQ(text.selectionFormat(0, 5), bold);
  EXPECT_TRUE(RichText::defaultFormat().isSet());
}

TEST(RichText, FromPlainTextSplitsOnEveryLineEnd) {
  const RichText text = RichText::fromPlainText("a\r\nb\rc\nd");
  EXPECT_EQ(text.paragraphs().size(), 4u);
  EXPECT_EQ(text.plainText(), "a\nb\nc\nd");
  EXPECT_EQ(text.length(), 7);

  const RichText trailing = RichText::fromPlainText("a\r\n");
  EXPECT_EQ(trailing.paragraphs().size(), 2u);
  EXPECT_TRUE(trailing.paragraphs()[1].runs.empty());
  EXPECT_EQ(trailing.length(), 2);

  EXPECT_EQ(RichText::fromPlainText("\r\r\n").paragraphs().size(), 3u);
  EXPECT_EQ(RichText::fromPlainText("").paragraphs().size(), 1u);
}

TEST(RichText, PositionsCountCharactersNotBytes) {
  RichText text = RichText::fromPlainText("caf\xC3\xA9\nn\xC3\xA9");
  EXPECT_EQ(text.length(), 7);
  EXPECT_EQ(text.firstLineLength(), 4);
  EXPECT_EQ(text.firstLine(), "caf\xC3\xA9");

  text.applyFormat(3, 3, bold);  // é, the break, n
  EXPECT_EQ(runsOf(text, 0), (std::vector<TextRun>{{"caf", plain}, {"\xC3\xA9", bold}}));
  EXPECT_EQ(runsOf(text, 1), (std::vector<TextRun>{{"n", bold}, {"\xC3\xA9", plain}}));
  EXPECT_EQ(text.plainText(), "caf\xC3\xA9\nn\xC3\xA9");
}

TEST(RichText, ApplyFormatSplitsAtTheRangeAndMergesEqualNeighbours) {
  RichText text = RichText::fromPlainText("abcdef");
  text.applyFormat(1, 2, bold);
  text.applyFormat(3, 1, bold);
  EXPECT_EQ(runsOf(text, 0), (std::vector<TextRun>{{"a", plain}, {"bcd", bold}, {"ef", plain}}));
  EXPECT_EQ(text.formatAt(5), plain);
  EXPECT_EQ(text.selectionFormat(1, 0), plain) << "an empty selection reports the insertion format";

  text.applyFormat(0, text.length(), plain);
  EXPECT_EQ(runsOf(text, 0), (std::vector<TextRun>{{"abcdef", plain}}));
}

TEST(RichText, ApplyFormatClampsAnyRange) {
  RichText text = RichText::fromPlainText("abcdef");
  text.applyFormat(-5, 8, bold);
  EXPECT_EQ(runsOf(text, 0), (std::vector<TextRun>{{"abc", bold}, {"def", plain}}));

  text.applyFormat(INT_MIN, INT_MAX, plain);  // ends before the text
  text.applyFormat(INT_MAX, INT_MAX, plain);  // starts after it
  text.applyFormat(2, -3, plain);
  EXPECT_EQ(runsOf(text, 0), (std::vector<TextRun>{{"abc", bold}, {"def", plain}}));

  text.applyFormat(4, INT_MAX, bold);
  EXPECT_EQ(runsOf(text, 0), (std::vector<TextRun>{{"abc", bold}, {"d", plain}, {"ef", bold}}));
  EXPECT_EQ(text.formatAt(INT_MIN), bold);
  EXPECT_EQ(text.formatAt(INT_MAX), bold) << "the insertion format followed the range to the end";
  EXPECT_EQ(text.selectionFormat(INT_MAX, INT_MAX), bold);
}

TEST(RichText, ZeroCountSetsOnlyTheInsertionFormat) {
  RichText text = RichText::fromPlainText("ab");
  text.applyFormat(0, 0, bold);
  EXPECT_EQ(runsOf(text, 0), (std::vector<TextRun>{{"ab", plain}}));
  EXPECT_EQ(text.selectionFormat(0, 0), bold);
  EXPECT_EQ(text.formatAt(2), bold);
  EXPECT_EQ(text.formatAt(0), plain);
}

TEST(RichText, ParagraphBreaksReportTheCharacterBeforeThem) {
  const FontSpec big = font("Times New Roman", 14);
  RichText text = RichText::fromPlainText("\nab\n\ncd", big);
  text.applyFormat(0, 0, plain);  // insertion format only
  text.applyFormat(1, 2, bold);   // "ab"
  EXPECT_EQ(text.formatAt(0), plain) << "empty first line: nothing before it";
  EXPECT_EQ(text.formatAt(3), bold) << "break after ab";
  EXPECT_EQ(text.formatAt(4), bold) << "empty paragraph after ab";
  EXPECT_EQ(text.formatAt(5), big);
  EXPECT_EQ(text.selectionFormat(1, 1), bold);
}

TEST(RichText, CopesWithParagraphsEditedFromOutside) {
  RichText text;
  text.paragraphs().clear();
  EXPECT_EQ(text.length(), 0);
  EXPECT_EQ(text.firstLine(), "");
  text.applyFormat(0, 3, bold);
  EXPECT_EQ(text.formatAt(0), bold);

  text.paragraphs() = {Paragraph{{{"", plain}, {"x", plain}, {"", bold}}}, Paragraph{}};
  EXPECT_EQ(text.length(), 2);
  EXPECT_EQ(text.formatAt(1), plain);
  text.applyFormat(0, 1, bold);
  EXPECT_EQ(runsOf(text, 0), (std::vector<TextRun>{{"x", bold}}));
}

}  // namespace
}  // namespace orvane
