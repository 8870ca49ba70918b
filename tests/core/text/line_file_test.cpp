#include "text/line_file.h"

#include <gtest/gtest.h>

#include "temporary_folder.h"

namespace orvane {

using Lines = std::vector<std::string>;
using orvane::testing::readBytes;
using orvane::testing::TemporaryFolder;
using orvane::testing::writeBytes;

TEST(LineFile, SplitsOnCrLfLfAndLoneCr) {
  EXPECT_EQ(splitLines("a\r\nb\nc\rd"), Lines({"a", "b", "c", "d"}));
  EXPECT_EQ(splitLines("a\r\n\r\n"), Lines({"a", ""}));
  EXPECT_EQ(splitLines("\n\r\r\n"), Lines({"", "", ""}));
  EXPECT_EQ(splitLines(""), Lines());
}

TEST(LineFile, WritesWindows1252WithCrLfAndReadsItBackAsUtf8) {
  TemporaryFolder folder;
  const auto path = folder.path() / "lines.txt";
  ASSERT_TRUE(writeLines(path, {"réservé :", "", "œ €"}).ok());
  EXPECT_EQ(readBytes(path), "r\xE9serv\xE9 :\r\n\r\n\x9C \x80\r\n");
  EXPECT_EQ(readLines(path), Lines({"réservé :", "", "œ €"}));
  EXPECT_EQ(readLines(folder.path() / "missing.txt"), std::nullopt);
  EXPECT_EQ(readLines(folder.path()), std::nullopt);
}

TEST(LineFile, CutsLinesAt255Bytes) {
  TemporaryFolder folder;
  const auto path = folder.path() / "long.txt";
  ASSERT_TRUE(writeLines(path, {std::string(300, 'x'), "é" + std::string(254, 'y') + "zz"}).ok());
  EXPECT_EQ(readBytes(path), std::string(255, 'x') + "\r\n\xE9" + std::string(254, 'y') + "\r\n");
}

TEST(LineFile, AFailedWriteKeepsTheEarlierFile) {
  TemporaryFolder folder;
  const auto path = folder.path() / "kept.txt";
  writeBytes(path, "old\r\n");
  // The temporary name is taken by a folder, so that the new file cannot be written.
  std::filesystem::create_directory(folder.path() / "kept.txt.writing");
  EXPECT_FALSE(writeLines(path, {"new"}).ok());
  EXPECT_EQ(readBytes(path), "old\r\n");

  const FileStatus noFolder = writeLines(folder.path() / "nowhere" / "x.txt", {"new"});
  EXPECT_NE(noFolder.error.find("x.txt"), std::string::npos);
}

}  // namespace orvane
