#pragma once
// A fresh folder for one test, removed with everything in it when the test ends.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "text/scratch_folder.h"

namespace orvane::testing {

// Named after the test, so that a folder left behind by a crash tells where it came from.
class TemporaryFolder : public ScratchFolder {
 public:
  TemporaryFolder() : ScratchFolder(currentTestPrefix()) {}

 private:
  static std::string currentTestPrefix() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return "orvane-" + std::string(test->test_suite_name()) + "-" + test->name() + "-";
  }
};

inline std::string readBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace orvane::testing
