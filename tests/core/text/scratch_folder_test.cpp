#include "text/scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace orvane {

namespace fs = std::filesystem;

// The folder holds the user's texts: its owner's alone, and gone with removeAll at an abrupt end.
TEST(ScratchFolder, IsPrivateAndRemovedByRemoveAll) {
  const ScratchFolder first("orvane-scratch-test-");
  const ScratchFolder second("orvane-scratch-test-");
  ASSERT_FALSE(first.path().empty());
  EXPECT_EQ(fs::status(first.path()).permissions(), fs::perms::owner_all);
  std::ofstream(first.path() / "copy.rtf") << "text";

  ScratchFolder::removeAll();
  EXPECT_FALSE(fs::exists(first.path()));
  EXPECT_FALSE(fs::exists(second.path()));
}

}  // namespace orvane
