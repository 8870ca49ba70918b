#include "richtext/rtf_reader.h"

#include <gtest/gtest.h>

#include "text/line_file.h"

namespace orvane {
namespace {

std::string fixture(const std::string& name) {
  const auto bytes = readFileBytes(std::string(ORVANE_TEST_DATA) + "/rtf/" + name);
  EXPECT_TRUE(bytes) << name;
  return bytes.value_or(std::string());
}

RichText read(std::string_view rtf) {
  RtfReadResult result = readRtf(rtf);
  EXPECT_TRUE(result.ok()) << result.error;
  return std::move(result.text);
}

FontSpec font(const char* name, int size, Colour colour = 0) {
  FontSpec format;
  format.name = name;
  format.size = static_cast<std::int16_t>(size);
  format.colour = colour;
  return format;
}

FontSpec styled(FontSpec format, bool bold, bool italic = false, bool underline = false,
                bool strike = false) {
  format.style = {bold, italic, underline, strike};
  return format;
}

std::vector<TextRun> runsOf(const RichText& text, std::size_t paragraph) {
  return text.paragraphs().at(paragraph).runs;
}

TEST(RtfReader, ReadsWhatARichTextControlWrites) {
  const RichText text = read(fixture("control_simple.rtf"));
  ASSERT_EQ(text.paragraphs().size(), 5u);
  const FontSpec arial12 = font("Arial", 12);
  const FontSpec times10 = font("Times New Roman", 10);

  EXPECT_EQ(text.paragraphs()[0].alignment, ParagraphAlignment::Centre);
  EXPECT_EQ(runsOf(text, 0), (std::vector<TextRun>{{"Jean Dupont", styled(arial12, true)}}));

  EXPECT_EQ(text.paragraphs()[1].alignment, ParagraphAlignment::Left);
  EXPECT_EQ(runsOf(text, 1),
            (std::vector<TextRun>{
                {"Ingénieur développement", styled(font("Times New Roman", 10, 0x0000FF), false, true)}}));

  EXPECT_EQ(text.paragraphs()[2].alignment, ParagraphAlignment::Right);
  EXPECT_EQ(runsOf(text, 2),
            (std::vector<TextRun>{{"Tél. 01 23 45 67 89", styled(times10, false, false, true)},
                                  {"\t", times10},
                                  {"fax", styled(times10, false, false, false, true)}}));

  EXPECT_TRUE(runsOf(text, 3).empty());

  // The bullet a control writes for readers without lists is text; the list definition is not.
  const FontSpec arial11 = font("Arial", 11);
  EXPECT_EQ(runsOf(text, 4), (std::vector<TextRun>{{"·\t", font("Arial", 10)},
                                                   {"Paris {75} \\ Lyon", font("Arial", 11, 0xFF0000)}}));
  EXPECT_EQ(text.insertionFormat(), arial11);
}

TEST(RtfReader, ReadsWhatAWordProcessorWrites) {
  const RichText text = read(fixture("word_processor.rtf"));
  // Header, styles, document information, theme, pictures and bookmarks hold no text of the document.
  EXPECT_EQ(text.plainText(),
            "Marie Lefèvre\n"
            "Consultante – € 50\u00A0k, あ et 😀\n"
            "marie@example.org\n"
            "gras italique normal");
  const FontSpec times12 = font("Times New Roman", 12);
  EXPECT_EQ(runsOf(text, 0),
            (std::vector<TextRun>{{"Marie Lefèvre", styled(font("Arial", 16, 0x0000C0), true)}}));
  EXPECT_EQ(text.paragraphs()[0].alignment, ParagraphAlignment::Centre);
  EXPECT_EQ(text.paragraphs()[1].alignment, ParagraphAlignment::Justify);
  EXPECT_EQ(runsOf(text, 1).at(0).format, styled(times12, false, true));
  EXPECT_EQ(runsOf(text, 2),
            (std::vector<TextRun>{
                {"marie@example.org", styled(font("Times New Roman", 12, 0xFF0000), false, false, true)}}));
  EXPECT_EQ(runsOf(text, 3), (std::vector<TextRun>{{"gras ", styled(times12, true)},
                                                   {"italique", styled(times12, true, true)},
                                                   {" normal", times12}}));
}

TEST(RtfReader, TakesRawBytesAfterTheUtf8HeaderAsUtf8OnlyWhereValid) {
  const RichText text = read(fixture("utf8_header.rtf"));
  // Valid sequences are UTF-8, a lone byte above 127 is Windows-1252, and \'xx always is.
  EXPECT_EQ(text.plainText(), "café naïve €, été é");
  // Without the header every raw byte is Windows-1252.
  EXPECT_EQ(read("{\\rtf1\\ansi caf\xC3\xA9}").plainText(), "cafÃ©");
  // Another declared code page is still read as Windows-1252.
  EXPECT_EQ(read("{\\rtf1\\ansi\\ansicpg1251 \\'e9}").plainText(), "é");
}

TEST(RtfReader, RefusesBrokenFilesWithAClearError) {
  EXPECT_EQ(readRtf(fixture("not_rtf.rtf")).error, "not an RTF file");
  EXPECT_EQ(readRtf("").error, "not an RTF file");
  EXPECT_EQ(readRtf(fixture("truncated.rtf")).error, "unexpected end of file");
  EXPECT_EQ(readRtf(fixture("unbalanced.rtf")).error, "unexpected end of file");
  EXPECT_EQ(readRtf(fixture("huge_bin.rtf")).error, "unexpected end of file");
  EXPECT_EQ(readRtf(fixture("deep_nesting.rtf")).error, "groups nested too deeply");
  EXPECT_EQ(readRtf("{\\rtf1 a\\").error, "unexpected end of file");
  EXPECT_EQ(readRtf("{\\rtf1 a\\'e").error, "unexpected end of file");
}

TEST(RtfReader, KeepsWhatItReadBeforeAFault) {
  // Damaged files are shown as far as they go: the text before the fault, in the format then in force.
  const RtfReadResult unbalanced = readRtf(fixture("unbalanced.rtf"));
  EXPECT_TRUE(unbalanced.isRtf);
  EXPECT_EQ(runsOf(unbalanced.text, 0), (std::vector<TextRun>{{"a", styled(font("Arial", 12), true)}}));
  EXPECT_EQ(unbalanced.text.insertionFormat(), styled(font("Arial", 12), true));
  EXPECT_EQ(readRtf("{\\rtf1 a{{{b" + std::string(300, '{') + "c").text.plainText(), "ab");
  EXPECT_FALSE(readRtf(fixture("not_rtf.rtf")).isRtf);
}

TEST(RtfReader, FindsTheHeaderPastAByteOrderMarkBlanksAndCase) {
  EXPECT_EQ(read("\xEF\xBB\xBF \t\r\n{\\RtF1 a}").plainText(), "a");
  for (const char* notRtf : {"x{\\rtf1 a}", "{\\rt", "\xEF\xBB{\\rtf1 a}", "{ \\rtf1 a}", "\xEF\xBB\xBF"})
    EXPECT_FALSE(readRtf(notRtf).isRtf) << notRtf;
}

TEST(RtfReader, AcceptsNestingUpToTheLimit) {
  const auto nested = [](int depth) {
    return "{\\rtf1" + std::string(static_cast<std::size_t>(depth - 1), '{') + "x" +
           std::string(static_cast<std::size_t>(depth), '}');
  };
  EXPECT_EQ(read(nested(kMaxRtfGroupDepth)).plainText(), "x");
  EXPECT_EQ(readRtf(nested(kMaxRtfGroupDepth + 1)).error, "groups nested too deeply");
}

TEST(RtfReader, SkipsTheFallbackOfUnicodeCharacters) {
  // \ucN characters follow each \uN; \'xx counts as one of them.
  EXPECT_EQ(read("{\\rtf1\\uc2 a\\u8364\\'80\\'80b}").plainText(), "a€b");
  EXPECT_EQ(read("{\\rtf1\\uc0 \\u8364 b}").plainText(), "€b");
  EXPECT_EQ(read("{\\rtf1\\u8364 ?b}").plainText(), "€b");
  // A fallback never reaches past the end of its group, and \uc holds only inside its group.
  EXPECT_EQ(read("{\\rtf1{\\uc3\\u8364 a}bcd}").plainText(), "€bcd");
  // A control word in the fallback counts as one character and is not acted on.
  EXPECT_EQ(read("{\\rtf1\\u8364\\par b}").plainText(), "€b");
  // Values above 32767 come negative or, from some writers, as they are.
  EXPECT_EQ(read("{\\rtf1\\u-4064?\\u61472?}").plainText(), "\uF020\uF020");
  // A surrogate without its partner is a replacement character, not a broken sequence.
  EXPECT_EQ(read("{\\rtf1\\u-10179?x\\u-8704?}").plainText(), "\uFFFDx\uFFFD");
  // Values no character has are replacement characters too, never bytes that are not UTF-8.
  EXPECT_EQ(read("{\\rtf1\\u1114112?\\u-87042?}").plainText(), "\uFFFD\uFFFD");
}

TEST(RtfReader, ReadsParagraphsTheWayAFrameHoldsThem) {
  // Every line break ends a paragraph; the last paragraph mark does not open an empty paragraph.
  const RichText lines = read("{\\rtf1 one\\line two\\par three\\par}");
  EXPECT_EQ(lines.paragraphs().size(), 3u);
  EXPECT_EQ(lines.plainText(), "one\ntwo\nthree");
  EXPECT_EQ(read("{\\rtf1 one\\par\\par}").plainText(), "one\n");
  EXPECT_EQ(read("{\\rtf1 one\\\r\ntwo}").plainText(), "one\ntwo");
  EXPECT_EQ(read("{\\rtf1}").paragraphs().size(), 1u);

  // A paragraph takes the alignment in force at its mark, and \pard brings back the left.
  const RichText aligned = read("{\\rtf1\\qc a\\par\\qr b\\par\\pard c\\par{\\qj d\\par}e}");
  std::vector<ParagraphAlignment> alignments;
  for (const Paragraph& paragraph : aligned.paragraphs()) alignments.push_back(paragraph.alignment);
  EXPECT_EQ(alignments,
            (std::vector{ParagraphAlignment::Centre, ParagraphAlignment::Right, ParagraphAlignment::Left,
                         ParagraphAlignment::Justify, ParagraphAlignment::Left}));

  // Raw line ends are layout of the file; control characters other than the tab are dropped.
  EXPECT_EQ(read("{\\rtf1 a\r\nb\tc\\'01\\u7?d}").plainText(), "ab\tcd");
  // Whatever follows the end of the document is ignored.
  EXPECT_EQ(read("{\\rtf1 a}b}}\\par").plainText(), "a");
}

TEST(RtfReader, ResolvesFontsAndColoursThroughTheirTables) {
  // Tables without inner groups, and a colour table whose first entry is not automatic.
  const RichText text = read(
      "{\\rtf1\\deff1{\\fonttbl\\f0\\fswiss Arial;\\f1\\froman Times;}"
      "{\\colortbl\\red1\\green2\\blue3;\\red255\\green0\\blue0}"
      "a\\f0 b\\f7 c\\cf1 d\\cf9 e\\plain f}");
  const std::vector<TextRun> runs = runsOf(text, 0);
  ASSERT_EQ(runs.size(), 6u);
  EXPECT_EQ(runs[0], (TextRun{"a", font("Times", 12, 0x030201)}));
  EXPECT_EQ(runs[1], (TextRun{"b", font("Arial", 12, 0x030201)}));
  EXPECT_EQ(runs[2], (TextRun{"c", font("Times", 12, 0x030201)}));  // unknown font: the default one
  EXPECT_EQ(runs[3], (TextRun{"d", font("Times", 12, 0x0000FF)}));
  EXPECT_EQ(runs[4], (TextRun{"e", font("Times", 12, 0)}));  // unknown index: the automatic colour
  EXPECT_EQ(runs[5], (TextRun{"f", font("Times", 12, 0x030201)}));

  // Without a font table no name is set; escaped characters belong to the name.
  EXPECT_EQ(runsOf(read("{\\rtf1 x}"), 0).at(0).format, font("", 12));
  EXPECT_EQ(read("{\\rtf1{\\fonttbl{\\f0 Caf\\'e9\\'3b\\u8364?;}}x}").insertionFormat().name, "Café;€");
}

TEST(RtfReader, ReadsCharacterFormatsAndTheirParameters) {
  const RichText text =
      read("{\\rtf1\\b\\i\\ul\\strike a\\b0\\i0\\ulnone\\strike0 b\\uldb c\\ul0 d\\striked1 e}");
  const FontSpec base = font("", 12);
  EXPECT_EQ(runsOf(text, 0), (std::vector<TextRun>{{"a", styled(base, true, true, true, true)},
                                                   {"b", base},
                                                   {"c", styled(base, false, false, true)},
                                                   {"d", base},
                                                   {"e", styled(base, false, false, false, true)}}));
  // Half points round half to even; sizes out of range are clamped, and no size is ignored.
  const auto sizeOf = [](const char* rtf) { return read(rtf).insertionFormat().size; };
  EXPECT_EQ(sizeOf("{\\rtf1\\fs21}"), 10);
  EXPECT_EQ(sizeOf("{\\rtf1\\fs23}"), 12);
  EXPECT_EQ(sizeOf("{\\rtf1\\fs99999999999999999999}"), 32767);
  EXPECT_EQ(sizeOf("{\\rtf1\\fs20\\fs0\\fs-4}"), 10);
  // A space ends a control word and is not text; the next one is. A '-' without digits is text.
  EXPECT_EQ(read("{\\rtf1\\b  x\\tab-}").plainText(), " x\t-");
}

TEST(RtfReader, PassesOverBinaryDataAndUnknownDestinations) {
  // Braces inside binary data are not groups; \* marks a destination to skip even when unknown.
  EXPECT_EQ(read("{\\rtf1 a{\\pict\\bin3 }{\\}b{\\*\\unknown c{d}}e\\*}").plainText(), "abe");
  EXPECT_EQ(read("{\\rtf1 a\\bin-5 b}").plainText(), "ab");
  EXPECT_EQ(read("{\\rtf1 a\\'zzb\\'}").plainText(), "azzb");
}

}  // namespace
}  // namespace orvane
