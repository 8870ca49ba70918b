#include "minicv/cv_file_lines.h"

#include <gtest/gtest.h>

#include "temporary_folder.h"
#include "text/line_file.h"

namespace orvane::minicv {
namespace {

std::array<std::string, cvLineCount> sampleValues() {
  std::array<std::string, cvLineCount> values;
  for (int line = 0; line < cvLineCount; ++line)
    values[static_cast<std::size_t>(line)] = std::to_string(line * 7);
  values[cvLineElements] = "0111111020111111";
  values[12] = "http://exemple.fr:8080/cv";
  values[cvLineZone1File] = " .\\element\\R1cv.rtf";
  values[cvLineFormFontName] = "Arial";
  values[cvLineZone1Title] = "Langues étrangères";
  values[cvLineLanguage] = "fr";
  return values;
}

TEST(CvFileLines, WrittenFileIsWindows1252WithCrLfAndReadsBackByteForByte) {
  testing::TemporaryFolder folder;
  const auto path = folder.path() / "cv.ov4";
  ASSERT_TRUE(writeLines(path, cvFileLines(sampleValues())).ok());

  const std::string bytes = testing::readBytes(path);
  EXPECT_EQ(bytes.substr(0, 44), "** Fichier param\xEAtre pour Orvane : mini-cv\r\n");
  EXPECT_NE(bytes.find("\r\n21 - nom police formulaire  :Arial\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("\r\n29 - photo identit\xE9 : 203\r\n"), std::string::npos);

  const auto lines = readLines(path);
  ASSERT_TRUE(lines);
  const CvFileLines read = parseCvFileLines(*lines);
  EXPECT_TRUE(read.linesWithoutColon.empty());
  std::array<std::string, cvLineCount> again;
  for (int line = 0; line < cvLineCount; ++line)
    again[static_cast<std::size_t>(line)] = *read.values[static_cast<std::size_t>(line)];
  EXPECT_EQ(again, sampleValues());
  const auto copy = folder.path() / "copy.ov4";
  ASSERT_TRUE(writeLines(copy, cvFileLines(again)).ok());
  EXPECT_EQ(testing::readBytes(copy), bytes);
}

TEST(CvFileLines, ValueIsEverythingAfterTheFirstColonOfTheLine) {
  const CvFileLines read = parseCvFileLines({"x:0000", "a:b:c", "12 - site : http://h:81/p"});
  EXPECT_EQ(read.values[0], "0000");
  EXPECT_EQ(read.values[1], "b:c");
  EXPECT_EQ(read.values[2], " http://h:81/p");
}

TEST(CvFileLines, HeaderEndsAtTheFirstLineWithoutStars) {
  // Only leading lines with "**" are header: a later value holding "**" is a value.
  const CvFileLines withHeader = parseCvFileLines({"** a", "**", "0:1", "1:**x"});
  EXPECT_EQ(withHeader.values[0], "1");
  EXPECT_EQ(withHeader.values[1], "**x");
  const CvFileLines noHeader = parseCvFileLines({"0 - champs :1111", "1:0"});
  EXPECT_EQ(noHeader.values[0], "1111");
}

TEST(CvFileLines, LinesWithoutColonAreListedAndExtraLinesIgnored) {
  std::vector<std::string> lines{"**"};
  for (int line = 0; line < cvLineCount + 3; ++line)
    lines.push_back(line == 4 ? "nothing here" : "l:" + std::to_string(line));
  const CvFileLines read = parseCvFileLines(lines);
  EXPECT_EQ(read.linesWithoutColon, std::vector<int>{4});
  EXPECT_FALSE(read.values[4]);
  EXPECT_EQ(read.values[35], "35");
}

TEST(CvFileLines, ShortFileLeavesTheMissingLinesUnread) {
  const CvFileLines read = parseCvFileLines({"0:1"});
  EXPECT_EQ(read.values[0], "1");
  EXPECT_FALSE(read.values[1]);
  EXPECT_TRUE(read.linesWithoutColon.empty());
}

}  // namespace
}  // namespace orvane::minicv
