#include "text/staged_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "file_size_limit.h"
#include "temporary_folder.h"

namespace orvane {

namespace fs = std::filesystem;
using orvane::testing::FileSizeLimit;
using orvane::testing::readBytes;
using orvane::testing::TemporaryFolder;
using orvane::testing::writeBytes;

namespace {

std::vector<std::string> namesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

fs::perms permissionsOf(const fs::path& path) { return fs::symlink_status(path).permissions(); }

// The file-creation mask of one test.
class CreationMask {
 public:
  explicit CreationMask(mode_t mask) : former_(umask(mask)) {}
  ~CreationMask() { umask(former_); }

 private:
  mode_t former_;
};

}  // namespace

TEST(StagedFile, ReplacesTheTargetKeepingItsPermissionsAndLeavesNothingElse) {
  const TemporaryFolder folder;
  const CreationMask mask(022);
  const fs::path target = folder.path() / "card.ov1";
  writeBytes(target, "old");
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(writeFileReplacing(target, "new").ok());
  EXPECT_EQ(readBytes(target), "new");
  EXPECT_EQ(permissionsOf(target), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

  // A new file takes what the mask allows, or stays its owner's when asked.
  ASSERT_TRUE(writeFileReplacing(folder.path() / "shared", "s").ok());
  EXPECT_EQ(permissionsOf(folder.path() / "shared"), fs::perms(0644));
  ASSERT_TRUE(writeFileReplacing(folder.path() / "private", "p", NewFileAccess::OwnerOnly).ok());
  EXPECT_EQ(permissionsOf(folder.path() / "private"), fs::perms(0600));
  EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"card.ov1", "private", "shared"}));
}

TEST(StagedFile, AFailedWriteKeepsTheEarlierFileAndSaysWhy) {
  const TemporaryFolder folder;
  const fs::path target = folder.path() / "sheet.pdf";
  writeBytes(target, "good");
  {
    const FileSizeLimit full(1024);
    const FileStatus status = writeFileReplacing(target, std::string(4096, 'x'));
    EXPECT_NE(status.error.find("sheet.pdf: "), std::string::npos);
  }
  EXPECT_EQ(readBytes(target), "good");
  EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"sheet.pdf"});

  fs::create_directory(folder.path() / "folder");
  EXPECT_FALSE(writeFileReplacing(folder.path() / "folder", "x").ok());
  EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"folder", "sheet.pdf"}));
}

// A writer that opens the staging file by its name (a PDF printer) must find there the file made for it.
TEST(StagedFile, AStagingFileReplacedBeforeTheCommitIsRefused) {
  const TemporaryFolder folder;
  const fs::path target = folder.path() / "out.pdf";
  writeBytes(target, "good");
  StagedFile staged(target);
  ASSERT_FALSE(staged.path().empty());
  EXPECT_EQ(staged.path().parent_path(), folder.path());
  fs::remove(staged.path());
  writeBytes(staged.path(), "planted");
  EXPECT_FALSE(staged.commit().ok());
  EXPECT_EQ(readBytes(target), "good");
  EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"out.pdf"});
}

}  // namespace orvane
