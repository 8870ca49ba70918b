#include "richtext/companion_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "richtext/rtf_writer.h"
#include "support/scripted_services.h"
#include "temporary_folder.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::writeBytes;

class CompanionFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(folder_ / "element");
    files_.workingCopyFolder = (folder_ / "copies").string();
    fs::create_directory(files_.workingCopyFolder);
  }

  std::string path(const std::string& name) const { return (folder_ / name).string(); }

  std::vector<std::string> elementFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_ / "element"))
      names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  testing::TemporaryFolder scratch_;
  const fs::path& folder_ = scratch_.path();
  ScriptedPrompter prompter_;
  Language language_ = Language::French;
  CompanionFiles files_{prompter_, language_};
};

RichText sampleText() {
  RichText text = RichText::fromPlainText("Jean Dupont\nIngénieur ✓");
  text.paragraphs()[0].alignment = ParagraphAlignment::Centre;
  return text;
}

TEST_F(CompanionFilesTest, SavingWritesTheRtfWithItsHeaderPatched) {
  const std::string target = path("element/C1carte.rtf");
  writeBytes(target, "an older file");
  ASSERT_TRUE(files_.saveCompanion(sampleText(), target));

  std::string expected = writeRtf(sampleText());
  expected.replace(6, 6, "\\utf8\\");
  EXPECT_EQ(readBytes(target), expected);
  EXPECT_EQ(elementFiles(), std::vector<std::string>{"C1carte.rtf"});
  EXPECT_TRUE(prompter_.shown.empty());

  RichText loaded;
  ASSERT_TRUE(files_.loadCompanion(TextKind::Frame1, target, loaded));
  EXPECT_EQ(loaded, sampleText());
}

// A "?" is a character like any other: no fixed name beside the file is written or deleted.
TEST_F(CompanionFilesTest, SavingUnderANameWithAQuestionMarkTouchesNoOtherFile) {
  writeBytes(path("element/C1transitansi.rtf"), "the user's own");
  const std::string target = folder_.string() + "\\element\\R2r?sum?.rtf";
  ASSERT_TRUE(files_.saveCompanion(sampleText(), target));
  EXPECT_EQ(elementFiles(), (std::vector<std::string>{"C1transitansi.rtf", "R2r?sum?.rtf"}));
  EXPECT_TRUE(readBytes(path("element/R2r?sum?.rtf")).starts_with("{\\rtf1\\utf8\\"));
  EXPECT_EQ(readBytes(path("element/C1transitansi.rtf")), "the user's own");
}

TEST_F(CompanionFilesTest, AMissingElementFolderFailsTheSaveAndIsNeverCreated) {
  fs::remove_all(folder_ / "element");
  EXPECT_FALSE(files_.saveCompanion(sampleText(), path("element/R1cv.rtf")));
  EXPECT_FALSE(fs::exists(folder_ / "element"));
  EXPECT_TRUE(prompter_.shown.empty());
}

TEST(CompanionFilePatch, TakesTheLastHeaderFoundInTheFirstBytes) {
  std::string rtf = "{\\ansi\\ansi\\rtf1 \\ansi\\ rest";
  EXPECT_EQ(patchRtfHeader(rtf), 17);
  EXPECT_EQ(rtf, "{\\ansi\\ansi\\rtf1 \\utf8\\ rest");
  // Beyond offset 20, or only at offset 0, the text stays as it is.
  for (const std::string unpatched : {"{\\rtf1 123456789012345\\ansi\\", "\\ansi\\rtf1"}) {
    std::string kept = unpatched;
    EXPECT_EQ(patchRtfHeader(kept), 0);
    EXPECT_EQ(kept, unpatched);
  }
}

TEST_F(CompanionFilesTest, LoadingRtfGoesThroughAWorkingCopyPerKind) {
  const std::string notes = path("notes.RTF");
  writeBytes(notes, writeRtf(sampleText()));
  RichText frame;
  ASSERT_TRUE(files_.loadCompanion(TextKind::Frame2, notes, frame));
  EXPECT_EQ(frame, sampleText());
  const fs::path copy = fs::path(files_.workingCopyFolder) / "12.rtf";
  EXPECT_EQ(readBytes(copy.string()), readBytes(notes));
  // A copy of the user's text is no one else's to read.
  EXPECT_EQ(fs::status(copy).permissions(), fs::perms::owner_read | fs::perms::owner_write);

  RichText zone;
  ASSERT_TRUE(files_.loadCompanion(TextKind::Zone3, notes, zone));
  EXPECT_TRUE(fs::exists(fs::path(files_.workingCopyFolder) / "3.rtf"));

  files_.deleteWorkingCopies();
  EXPECT_TRUE(fs::is_empty(files_.workingCopyFolder));
}

TEST_F(CompanionFilesTest, LoadingRtfShowsWhatARichTextControlWouldShow) {
  FontSpec format = RichText::defaultFormat();
  format.style.italic = true;
  const RichText before = RichText::fromPlainText("old text", format);
  const auto load = [&](const std::string& name, const std::string& bytes) {
    writeBytes(path(name), bytes);
    RichText frame = before;
    EXPECT_TRUE(files_.loadCompanion(TextKind::Frame1, path(name), frame)) << name;
    return frame;
  };

  // A document that never closes gives what was read; a header after a byte-order mark and blanks, or
  // in upper case, still opens the document.
  const RichText unterminated = load("unterminated.rtf", "{\\rtf1 {\\b Jean Dupont}\\par Ing\\'e9nieur");
  EXPECT_EQ(unterminated.plainText(), "Jean Dupont\nIngénieur");
  EXPECT_TRUE(unterminated.paragraphs()[0].runs.at(0).format.style.bold);
  EXPECT_EQ(load("header.rtf", "\xEF\xBB\xBF \r\n{\\RTF1 caf\\'e9}").plainText(), "café");

  // Plain text saved as .rtf is read as lines, in the frame's own format; Windows-1252 unless a
  // byte-order mark says UTF-8.
  const RichText lines =
      load("lines.rtf", testing::readBytes(std::string(ORVANE_TEST_DATA) + "/rtf/not_rtf.rtf"));
  EXPECT_EQ(lines, RichText::fromPlainText("Jean Dupont\nIngénieur", format));
  EXPECT_EQ(load("utf8.rtf", "\xEF\xBB\xBFNoël\r\n{x}").plainText(), "Noël\n{x}");
  EXPECT_EQ(load("empty.rtf", "").plainText(), "");
  EXPECT_TRUE(prompter_.shown.empty());
}

TEST_F(CompanionFilesTest, AFileThatGivesNothingToShowIsReportedAndChangesNothing) {
  writeBytes(path("picture.rtf"), std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
  fs::create_directory(folder_ / "folder.rtf");
  RichText frame = sampleText();
  for (const char* name : {"picture.rtf", "absent.rtf", "folder.rtf"})
    EXPECT_FALSE(files_.loadCompanion(TextKind::Frame2, path(name), frame)) << name;
  EXPECT_EQ(frame, sampleText());
  EXPECT_EQ(prompter_.texts(),
            (std::vector<std::string>{"fichier :" + path("picture.rtf") + " non accessible",
                                      "fichier :" + path("absent.rtf") + " non accessible",
                                      "fichier :" + path("folder.rtf") + " non accessible"}));
}

TEST_F(CompanionFilesTest, LoadingPlainTextReadsItsLines) {
  const std::string lines = path("notes.txt");
  writeBytes(lines, "Titre\r\nIng\xE9nieur\nDerni\xE8re ligne\r\n");
  FontSpec format = RichText::defaultFormat();
  format.style.bold = true;

  // A frame takes the file's lines in place of its own, in its insertion format and alignment.
  RichText frame = RichText::fromPlainText("old\nlines", format);
  frame.setAlignment(ParagraphAlignment::Right);
  ASSERT_TRUE(files_.loadCompanion(TextKind::Frame1, lines, frame));
  RichText expected = RichText::fromPlainText("Titre\nIngénieur\nDernière ligne", format);
  expected.setAlignment(ParagraphAlignment::Right);
  EXPECT_EQ(frame, expected);

  // Zones 1 to 3 keep their heading; the file's own first line is left out.
  RichText zone = RichText::fromPlainText("Expérience\nold");
  ASSERT_TRUE(files_.loadCompanion(TextKind::Zone1, lines, zone));
  EXPECT_EQ(zone.plainText(), "Expérience\nIngénieur\nDernière ligne");

  // An empty file has no heading line to leave out: the zone keeps its own and nothing more.
  const std::string empty = path("empty.txt");
  writeBytes(empty, "");
  ASSERT_TRUE(files_.loadCompanion(TextKind::Zone2, empty, zone));
  EXPECT_EQ(zone.plainText(), "Expérience");

  RichText unchanged = sampleText();
  EXPECT_FALSE(files_.loadCompanion(TextKind::Zone4, path("absent.txt"), unchanged));
  EXPECT_EQ(unchanged, sampleText());
  EXPECT_EQ(prompter_.texts(), std::vector<std::string>{"erreur d'ouverture du flux de lecture"});
}

}  // namespace
}  // namespace orvane
