#include "bitmap/bitmap_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "file_size_limit.h"
#include "support/bitmap_maker.h"
#include "support/scripted_services.h"
#include "temporary_folder.h"

namespace orvane {

using testing::BitmapShape;
using testing::makeBitmap;
using testing::readBytes;
using testing::setField32;
using testing::writeBytes;
namespace fs = std::filesystem;

namespace {

struct CheckUnderTest {
  testing::TemporaryFolder folder;
  ScriptedPrompter prompter;
  BitmapCheckOptions options;
  Language language = Language::French;

  std::string put(const std::string& name, const std::string& bytes) const {
    writeBytes(folder.path() / name, bytes);
    return folder.file(name);
  }
  BitmapCheckCode check(const std::string& path) { return checkBitmap(path, options, prompter, language); }
  std::string message(int id) const { return catalogue::text(language, id); }
};

std::string withImageSize(std::string bytes, std::uint32_t imageSize) {
  setField32(bytes, 34, imageSize);
  return bytes;
}

/// The offsets at which `after` differs from `before`, which must be as long.
std::vector<std::size_t> changedBytes(const std::string& before, const std::string& after) {
  EXPECT_EQ(before.size(), after.size());
  std::vector<std::size_t> changed;
  for (std::size_t at = 0; at < std::min(before.size(), after.size()); ++at)
    if (before[at] != after[at]) changed.push_back(at);
  return changed;
}

}  // namespace

TEST(BitmapCheck, ValidAndForeignFilesAreReportedAndNeverWritten) {
  CheckUnderTest test;
  const std::string valid = makeBitmap({});
  const std::string path = test.put("fond.bmp", valid);
  EXPECT_EQ(test.check(path), BitmapCheckCode::Unchanged);
  EXPECT_EQ(test.prompter.texts(), std::vector{test.message(1104)});

  // Not "BM": reported, no question, nothing written.
  test.prompter.shown.clear();
  const std::string gif = test.put("image.bmp", "GIF89a and the rest of a picture");
  EXPECT_EQ(test.check(gif), BitmapCheckCode::NotBitmap);
  EXPECT_EQ(test.prompter.texts(), std::vector{test.message(1103)});
  EXPECT_EQ(readBytes(gif), "GIF89a and the rest of a picture");

  // Too damaged to be trusted: reported invalid, no question.
  test.prompter.shown.clear();
  std::string cut = withImageSize(valid, 0).substr(0, 40);
  const std::string truncated = test.put("cut.bmp", cut);
  EXPECT_EQ(test.check(truncated), BitmapCheckCode::NotBitmap);
  EXPECT_EQ(test.prompter.texts(), std::vector{test.message(1105)});

  // Compressed and invalid top-down files: invalid, no question, unchanged.
  test.prompter.shown.clear();
  const std::string topDown = withImageSize(makeBitmap({3, -2}), 0);
  const std::string topDownPath = test.put("topdown.bmp", topDown);
  EXPECT_EQ(test.check(topDownPath), BitmapCheckCode::Unchanged);
  EXPECT_EQ(test.prompter.texts(), std::vector{test.message(1105)});

  EXPECT_EQ(readBytes(path), valid);
  EXPECT_EQ(readBytes(truncated), cut);
  EXPECT_EQ(readBytes(topDownPath), topDown);
  EXPECT_EQ(std::distance(fs::directory_iterator(test.folder.path()), fs::directory_iterator()), 4);
}

TEST(BitmapCheck, TheAnswerDecidesTheRepair) {
  CheckUnderTest test;
  const std::string broken = withImageSize(makeBitmap({}), 0);
  const std::string path = test.put("fond.bmp", broken);

  test.prompter.answers = {Answer::Ok, Answer::No};
  EXPECT_EQ(test.check(path), BitmapCheckCode::Unchanged);
  EXPECT_EQ(test.prompter.texts(), (std::vector{test.message(1105), test.message(1155)}));
  EXPECT_EQ(test.prompter.shown.back().buttons, Buttons::YesNoCancel);
  test.prompter.answers = {Answer::Ok, Answer::Cancel};
  EXPECT_EQ(test.check(path), BitmapCheckCode::Cancelled);
  EXPECT_EQ(readBytes(path), broken);
  EXPECT_FALSE(fs::exists(test.folder.path() / "old_fond.bmp"));

  // Yes: the image size becomes 24 and nothing else changes; the backup holds the former content.
  test.prompter.answers = {Answer::Ok, Answer::Yes};
  EXPECT_EQ(test.check(path), BitmapCheckCode::Repaired);
  EXPECT_EQ(changedBytes(broken, readBytes(path)), (std::vector<std::size_t>{34}));
  EXPECT_EQ(readBytes(path), makeBitmap({}));
  EXPECT_EQ(readBytes(test.folder.path() / "old_fond.bmp"), broken);
}

TEST(BitmapCheck, ARepairWritesOnlyTheTwoSizeFieldsAndKeepsTheFile) {
  CheckUnderTest test;
  test.options.silentMode = true;
  std::string broken = makeBitmap({5, 3, 8});
  setField32(broken, 2, 0xDEADBEEF);
  setField32(broken, 34, 0x01020304);
  const std::string path = test.put("palette.bmp", broken);
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  writeBytes(test.folder.path() / "old_palette.bmp", "an older backup");

  EXPECT_EQ(test.check(path), BitmapCheckCode::Repaired);
  EXPECT_TRUE(test.prompter.shown.empty());
  EXPECT_EQ(changedBytes(broken, readBytes(path)), (std::vector<std::size_t>{2, 3, 4, 5, 34, 35, 36, 37}));
  EXPECT_EQ(readBytes(path), makeBitmap({5, 3, 8}));
  EXPECT_EQ(fs::status(path).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  // The older backup is replaced; nothing else is left in the folder.
  EXPECT_EQ(readBytes(test.folder.path() / "old_palette.bmp"), broken);
  EXPECT_EQ(std::distance(fs::directory_iterator(test.folder.path()), fs::directory_iterator()), 2);

  // Without the automatic backup, no copy is made.
  test.options.autoBackup = false;
  const std::string second = test.put("second.bmp", broken);
  EXPECT_EQ(test.check(second), BitmapCheckCode::Repaired);
  EXPECT_FALSE(fs::exists(test.folder.path() / "old_second.bmp"));

  // A link planted at the backup's name is replaced, the file it names left alone.
  test.options.autoBackup = true;
  const std::string victim = test.put("victim", "precious");
  const std::string third = test.put("third.bmp", broken);
  fs::create_symlink(victim, test.folder.path() / "old_third.bmp");
  EXPECT_EQ(test.check(third), BitmapCheckCode::Repaired);
  EXPECT_EQ(readBytes(victim), "precious");
  EXPECT_FALSE(fs::is_symlink(test.folder.path() / "old_third.bmp"));
  EXPECT_EQ(readBytes(test.folder.path() / "old_third.bmp"), broken);

  // Through a link, the file is repaired and the link stays.
  const std::string target = test.put("target.bmp", broken);
  fs::create_symlink(target, test.folder.path() / "link.bmp");
  EXPECT_EQ(test.check(test.folder.file("link.bmp")), BitmapCheckCode::Repaired);
  EXPECT_TRUE(fs::is_symlink(test.folder.path() / "link.bmp"));
  EXPECT_EQ(readBytes(target), makeBitmap({5, 3, 8}));
}

TEST(BitmapCheck, AFailedWriteLeavesTheFileAsItWas) {
  CheckUnderTest test;
  test.options.silentMode = true;
  const std::string broken = withImageSize(makeBitmap({}), 0);
  const std::string path = test.put("fond.bmp", broken);
  {
    // The disk is full: neither the backup nor the new content can be written.
    const testing::FileSizeLimit full(16);
    EXPECT_EQ(test.check(path), BitmapCheckCode::RepairFailed);
  }
  EXPECT_EQ(readBytes(path), broken);
  EXPECT_FALSE(fs::exists(test.folder.path() / "old_fond.bmp"));
  EXPECT_EQ(bitmapResultMessage(BitmapCheckCode::RepairFailed), 1108);

  // A write-protected file in a writable folder is refused, also for a user who may write anything.
  const std::string locked = test.put("locked.bmp", broken);
  fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(repairBitmapFile(locked, true).code, BitmapCheckCode::RepairFailed);
  EXPECT_EQ(readBytes(locked), broken);
  EXPECT_FALSE(fs::exists(test.folder.path() / "old_locked.bmp"));

  // A file that cannot be opened is an error for the handler, not a result.
  EXPECT_THROW(test.check(test.folder.file("missing.bmp")), BitmapFileError);
  EXPECT_FALSE(inspectBitmapFile(test.folder.file("missing.bmp")));
  EXPECT_EQ(inspectBitmapFile(path)->verdict, BitmapVerdict::Repairable);
}

// Files of every depth, compression, header version and row order, good and with each kind of damage:
// none is written unless it is repairable, and a repaired one differs only in its two size fields.
TEST(BitmapCheck, ACorpusOfBitmapsIsWrittenOnlyWhereRepairable) {
  CheckUnderTest test;
  test.options.silentMode = true;
  test.options.autoBackup = false;
  struct Sample {
    std::string name;
    std::string bytes;
    bool validAsMade = false;
  };
  std::vector<Sample> samples;
  auto add = [&samples](const std::string& name, const BitmapShape& shape) {
    const std::string good = makeBitmap(shape);
    // The rule describes uncompressed rows under an info header of 40 bytes or more, and the file size
    // of an OS/2 core header, whose 16-bit height cannot be negative.
    const bool uncompressed =
        shape.compression == testing::bitmapRgb || shape.compression == testing::bitmapBitFields;
    samples.push_back(
        {name + "-good", good, uncompressed && (shape.infoHeaderSize >= 40 || shape.height > 0)});
    samples.push_back({name + "-nofilesize", withImageSize(good, 0)});
    std::string wrongFile = good;
    setField32(wrongFile, 2, 12);
    samples.push_back({name + "-wrongfile", wrongFile});
    samples.push_back({name + "-cut", good.substr(0, 30)});
    std::string absurd = good;
    setField32(absurd, 18, 0x7FFFFFFF);
    samples.push_back({name + "-absurd", absurd});
  };
  for (const std::uint16_t depth : std::initializer_list<std::uint16_t>{1, 4, 8, 16, 24, 32}) {
    for (const std::uint32_t header : {12u, 40u, 108u, 124u}) {
      for (const std::int32_t height : {4, -4}) {
        add("d" + std::to_string(depth) + "h" + std::to_string(header) + (height < 0 ? "down" : "up"),
            {9, height, depth, testing::bitmapRgb, header});
      }
    }
  }
  add("rle8", {9, 4, 8, testing::bitmapRle8});
  add("rle4", {9, 4, 4, testing::bitmapRle4});
  add("bitfields16", {9, 4, 16, testing::bitmapBitFields});
  add("bitfields32", {9, 4, 32, testing::bitmapBitFields, 124});
  add("jpeg", {9, 4, 0, testing::bitmapJpeg});
  add("png", {9, 4, 0, testing::bitmapPng});

  int repaired = 0;
  for (const Sample& sample : samples) {
    SCOPED_TRACE(sample.name);
    const std::string path = test.put(sample.name + ".bmp", sample.bytes);
    const BitmapVerdict verdict = inspectBitmapFile(path)->verdict;
    const BitmapCheckCode code = test.check(path);
    const std::string after = readBytes(path);
    EXPECT_TRUE(!sample.validAsMade || verdict == BitmapVerdict::Valid);
    if (verdict != BitmapVerdict::Repairable) {
      EXPECT_NE(code, BitmapCheckCode::Repaired);
      EXPECT_EQ(after, sample.bytes);
      continue;
    }
    ++repaired;
    EXPECT_EQ(code, BitmapCheckCode::Repaired);
    for (const std::size_t at : changedBytes(sample.bytes, after))
      EXPECT_TRUE((at >= 2 && at <= 5) || (at >= 34 && at <= 37)) << at;
    EXPECT_EQ(inspectBitmapFile(path)->verdict, BitmapVerdict::Valid);
  }
  // Bottom-up, uncompressed, 40 bytes of header or more, with one size field wrong: 6 x 3 x 2, and
  // the two bit-field bitmaps twice.
  EXPECT_EQ(repaired, 40);
  EXPECT_EQ(std::distance(fs::directory_iterator(test.folder.path()), fs::directory_iterator()),
            static_cast<std::ptrdiff_t>(samples.size()));
}

}  // namespace orvane
