#include "bitmap/bitmap_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "support/bitmap_maker.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_services.h"
#include "temporary_folder.h"

namespace orvane {

using testing::makeBitmap;
using testing::readBytes;
using testing::setField32;
using testing::writeBytes;
namespace fs = std::filesystem;

namespace {

/// Stops the run once `stopAt` files are done; records every step.
class StoppingProgress : public Progress {
 public:
  std::size_t stopAt = SIZE_MAX;
  std::vector<std::size_t> steps;
  std::size_t total = 0;

  bool advance(std::size_t done, std::size_t of) override {
    steps.push_back(done);
    total = of;
    return done < stopAt;
  }
};

struct GroupUnderTest {
  testing::TemporaryFolder folder;
  ScriptedPrompter prompter;
  BitmapCheckOptions options;
  Language language = Language::French;
  DirectoryListing listing{folder.file(""), {}};
  std::string broken = [] {
    std::string bytes = makeBitmap({});
    setField32(bytes, 34, 0);
    return bytes;
  }();

  void put(const std::string& name, const std::string& bytes) {
    writeBytes(folder.path() / name, bytes);
    listing.fileNames.push_back(name);
  }
  BitmapGroupSummary run(Progress* progress = nullptr) {
    return checkBitmapGroup(listing, options, prompter, language, progress);
  }
  std::string message(int id) const { return catalogue::text(language, id); }
  std::string summary(int repaired, int unchanged, int anomalies) const {
    return message(1111) + "\r\n" + std::to_string(repaired) + message(1112) +
           std::to_string(repaired + unchanged) + "\r\n" + message(1113) + std::to_string(unchanged) +
           "\r\n" + message(1114) + std::to_string(anomalies);
  }
};

}  // namespace

TEST(BitmapCommands, OneFileShowsTheMessageOfItsResult) {
  testing::TemporaryFolder folder;
  ScriptedPrompter prompter;
  ScriptedFileDialogs dialogs;
  BitmapCheckOptions options;
  checkOneBitmapFile(dialogs, options, prompter, Language::French);
  ASSERT_EQ(dialogs.openRequests.size(), 1u);
  EXPECT_EQ(dialogs.openRequests[0].filter, "Bitmap files (*.bmp)|*.BMP");
  EXPECT_TRUE(prompter.shown.empty());

  // In silent mode a single invalid file is repaired without a question, and the result is told.
  std::string bytes = makeBitmap({});
  setField32(bytes, 34, 0);
  writeBytes(folder.path() / "fond.bmp", bytes);
  options.silentMode = true;
  dialogs.choose(folder.file("fond.bmp"), "bmp");
  checkOneBitmapFile(dialogs, options, prompter, Language::French);
  EXPECT_EQ(prompter.texts(), std::vector{catalogue::text(Language::French, 1107)});
  EXPECT_EQ(readBytes(folder.path() / "old_fond.bmp"), bytes);

  writeBytes(folder.path() / "note.bmp", "no picture");
  dialogs.choose(folder.file("note.bmp"), "bmp");
  checkOneBitmapFile(dialogs, options, prompter, Language::English);
  EXPECT_EQ(prompter.texts().back(), catalogue::text(Language::English, 1110));
  EXPECT_EQ(bitmapResultMessage(BitmapCheckCode::Unchanged), 1106);
  EXPECT_EQ(bitmapResultMessage(BitmapCheckCode::Cancelled), 1109);
}

TEST(BitmapCommands, AGroupAsksOnceThenWorksSilentlyAndSumsUp) {
  GroupUnderTest test;
  test.put("a.bmp", test.broken);
  test.put("b.BMP", makeBitmap({}));
  test.put("c.txt", "not looked at");
  test.put("d.bmp", "not a bitmap");
  test.put("e.Bmp", test.broken);

  const BitmapGroupSummary summary = test.run();
  EXPECT_TRUE(test.options.silentMode);  // Yes to the global confirmation, kept afterwards
  EXPECT_EQ(test.prompter.texts(),
            (std::vector{test.message(1129) + "5" + test.message(1130),
                         test.message(1127) + "5" + test.message(1128), test.summary(2, 1, 1)}));
  EXPECT_EQ(test.prompter.shown[0].buttons, Buttons::YesNo);
  EXPECT_EQ(test.prompter.shown[1].buttons, Buttons::Ok);
  EXPECT_EQ(summary.repaired, 2);
  EXPECT_EQ(readBytes(test.folder.path() / "e.Bmp"), makeBitmap({}));
  EXPECT_EQ(readBytes(test.folder.path() / "old_a.bmp"), test.broken);
  EXPECT_EQ(readBytes(test.folder.path() / "c.txt"), "not looked at");

  // Silent already: no global question.
  test.prompter.shown.clear();
  test.run();
  EXPECT_EQ(test.prompter.texts().front(), test.message(1127) + "5" + test.message(1128));
}

TEST(BitmapCommands, CancelStopsTheGroupWithTheSummaryOfWhatWasDone) {
  GroupUnderTest test;
  test.put("a.bmp", test.broken);
  test.put("b.bmp", makeBitmap({}));
  test.put("c.bmp", test.broken);
  test.put("d.bmp", test.broken);
  // No to the global question; then a: invalid, Yes; b: valid; c: invalid, Cancel.
  test.prompter.answers = {Answer::No, Answer::Ok, Answer::Ok,    Answer::Yes,
                           Answer::Ok, Answer::Ok, Answer::Cancel};
  test.run();
  EXPECT_FALSE(test.options.silentMode);
  EXPECT_EQ(test.prompter.texts().back(), test.summary(1, 1, 0));
  EXPECT_EQ(test.prompter.texts().size(), 8u);
  EXPECT_EQ(readBytes(test.folder.path() / "c.bmp"), test.broken);
  EXPECT_EQ(readBytes(test.folder.path() / "d.bmp"), test.broken);

  // Two files or fewer: no global question.
  GroupUnderTest small;
  small.put("a.bmp", makeBitmap({}));
  small.run();
  EXPECT_EQ(small.prompter.texts(), (std::vector{small.message(1127) + "1" + small.message(1128),
                                                 small.message(1104), small.summary(0, 1, 0)}));
}

TEST(BitmapCommands, ALargeGroupShowsItsProgressAndStopsFromThere) {
  GroupUnderTest test;
  test.options.silentMode = true;
  const std::size_t count = bitmapProgressShownAbove + 20;
  for (std::size_t index = 0; index < count; ++index)
    test.put("f" + std::to_string(1000 + index) + ".bmp", test.broken);
  StoppingProgress progress;
  progress.stopAt = 5;
  test.run(&progress);
  EXPECT_EQ(progress.steps, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(progress.total, count);
  EXPECT_EQ(test.prompter.texts().back(), test.summary(5, 0, 0));
  EXPECT_EQ(readBytes(test.folder.path() / "f1005.bmp"), test.broken);

  // At the threshold, no progress is shown.
  GroupUnderTest few;
  few.options.silentMode = true;
  for (std::size_t index = 0; index < bitmapProgressShownAbove; ++index)
    few.put("f" + std::to_string(index) + ".bmp", makeBitmap({}));
  StoppingProgress unused;
  few.run(&unused);
  EXPECT_TRUE(unused.steps.empty());
  EXPECT_EQ(few.prompter.texts().back(), few.summary(0, bitmapProgressShownAbove, 0));
}

TEST(BitmapCommands, AFileThatCannotBeOpenedEndsTheGroupWithoutSummary) {
  GroupUnderTest test;
  test.options.silentMode = true;
  test.put("a.bmp", test.broken);
  test.listing.fileNames.push_back("gone.bmp");
  test.put("z.bmp", test.broken);
  EXPECT_THROW(test.run(), BitmapFileError);
  EXPECT_EQ(test.prompter.texts(), std::vector{test.message(1127) + "3" + test.message(1128)});
  EXPECT_EQ(readBytes(test.folder.path() / "z.bmp"), test.broken);

  EXPECT_TRUE(isBitmapFileName(".BMP"));
  EXPECT_FALSE(isBitmapFileName("bmp"));
  EXPECT_FALSE(isBitmapFileName("a.bmp.txt"));
}

}  // namespace orvane
