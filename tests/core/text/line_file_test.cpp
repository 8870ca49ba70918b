#include "text/line_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "file_size_limit.h"
#include "temporary_folder.h"
#include "text/line_reader.h"

namespace orvane {

using Lines = std::vector<std::string>;
using orvane::testing::FileSizeLimit;
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
  {
    const FileSizeLimit full(16);
    EXPECT_FALSE(writeLines(path, {"new", std::string(32, 'x')}).ok());
  }
  EXPECT_EQ(readBytes(path), "old\r\n");

  const FileStatus noFolder = writeLines(folder.path() / "nowhere" / "x.txt", {"new"});
  EXPECT_NE(noFolder.error.find("x.txt"), std::string::npos);
}

// A pipe would wait for a writer and a device never ends: neither is read, nor a whole file beyond the
// limit.
TEST(LineFile, ReadsRegularFilesUpToTheirLimitOnly) {
  const TemporaryFolder folder;
  const std::filesystem::path pipe = folder.path() / "pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_FALSE(readFileBytes(pipe));
  EXPECT_FALSE(LineReader(pipe).isOpen());
  EXPECT_FALSE(readFileBytes("/dev/zero"));
  EXPECT_FALSE(LineReader("/dev/zero").isOpen());
  EXPECT_FALSE(readFileBytes(folder.path()));

  const std::filesystem::path file = folder.path() / "ten";
  ASSERT_TRUE(writeFileReplacing(file, "0123456789").ok());
  EXPECT_EQ(readFileBytes(file, 10), "0123456789");
  EXPECT_FALSE(readFileBytes(file, 9));
}

}  // namespace orvane
