#include "richtext/rtf_writer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "richtext/rtf_reader.h"

namespace orvane {
namespace {

FontSpec font(const char* name, int size, Colour colour = 0, FontStyle style = {}) {
  FontSpec format;
  format.name = name;
  format.size = static_cast<std::int16_t>(size);
  format.colour = colour;
  format.style = style;
  return format;
}

Paragraph paragraph(std::vector<TextRun> runs, ParagraphAlignment alignment = ParagraphAlignment::Left) {
  return {std::move(runs), alignment};
}

RichText document(std::vector<Paragraph> paragraphs, FontSpec insertion = RichText::defaultFormat()) {
  RichText text(std::move(insertion));
  text.paragraphs() = std::move(paragraphs);
  return text;
}

// What the companion files do to every file written: "\ansi\" at offset 6 becomes "\utf8\".
std::string patched(std::string rtf) { return rtf.replace(6, 6, "\\utf8\\"); }

RichText readBack(const std::string& rtf) {
  RtfReadResult result = readRtf(rtf);
  EXPECT_TRUE(result.ok()) << result.error;
  return std::move(result.text);
}

TEST(RtfWriter, WritesASmallDocumentInTheExpectedForm) {
  const RichText text =
      document({paragraph({{"Jean", font("Arial", 12, 0, {true})}, {" Dupont", font("Arial", 12)}},
                          ParagraphAlignment::Centre),
                paragraph({}, ParagraphAlignment::Right)},
               font("Arial", 10, 0x0000FF));
  EXPECT_EQ(writeRtf(text),
            "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fnil Arial;}}\r\n"
            "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue0;}\r\n"
            "\\pard\\qc\\plain\\f0\\fs24\\b\\cf2 Jean\\plain\\f0\\fs24\\cf2  Dupont\\par\r\n"
            "\\pard\\qr\\par\r\n"
            "\\plain\\f0\\fs20\\cf1 }\r\n");
}

TEST(RtfWriter, WritesOnlyAsciiSoThatTheHeaderPatchChangesNothing) {
  // "Ã©" is what "é" looks like in UTF-8 read as Windows-1252: the patch must not join its bytes.
  const std::string text = "é € Ã© あ 😀 \\ {x} \ta;b";
  const RichText original = document({paragraph({{text, font("Tímes; {New}", 11)}})});
  const std::string rtf = writeRtf(original);
  EXPECT_TRUE(
      std::all_of(rtf.begin(), rtf.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
  EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\"));
  EXPECT_NE(rtf.find("\\'e9 \\'80 \\'c3\\'a9 \\u12354? \\u-10179?\\u-8704? \\\\ \\{x\\} \\tab a;b"),
            std::string::npos);
  EXPECT_NE(rtf.find("{\\f1\\fnil T\\'edmes\\'3b \\{New\\};}"), std::string::npos);

  EXPECT_EQ(readBack(rtf), original);
  EXPECT_EQ(readBack(patched(rtf)), original);
}

TEST(RtfWriter, ReadingWhatItWritesGivesBackTheSameDocument) {
  const FontSpec body = font("Times New Roman", 10);
  const FontSpec heading = font("Arial Narrow", 14, 0x336699, {true, false, true, false});
  const FontSpec note = font("Arial", 8, 0x00FF00, {false, true, false, true});
  const std::vector<RichText> documents{
      RichText(),
      RichText::fromPlainText("one\n\ntwo\n"),
      document({paragraph({}, ParagraphAlignment::Justify)}, note),
      document({paragraph({{"Marie Lefèvre", heading}}, ParagraphAlignment::Centre),
                paragraph({{"Consultante ", body}, {"senior", note}, {" – 2024", body}},
                          ParagraphAlignment::Justify),
                paragraph({{"\t1, rue de l'Église\t", body}}, ParagraphAlignment::Right), paragraph({}),
                paragraph({{" 10 ", font("", 72)}, {"{\\}", font("Symbol", 1, 0xFFFFFF)}})},
               heading),
  };
  for (const RichText& original : documents) {
    const std::string rtf = writeRtf(original);
    EXPECT_EQ(readBack(rtf), original) << rtf;
    // Written again, the document gives the same bytes.
    EXPECT_EQ(writeRtf(readBack(patched(rtf))), rtf);
  }
}

}  // namespace
}  // namespace orvane
