// Loads arbitrary bytes as a mini-CV file with the zone texts and the photo it names, answering every
// question with OK, then writes its lines and shows its photo as the editor does. The input is the
// mini-CV file, then the files of zones 1 to 4 and the photo, each after the separator line of
// named_files.h, so that the load reaches the RTF reader and the photo Qt's image readers.
// Run from the top folder: build-fuzz/fuzz/cv_file_loader_fuzz -dict=fuzz/rtf.dict fuzz/corpus/cv_file
#include <QGuiApplication>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "minicv/cv_file_lines.h"
#include "minicv/cv_file_load.h"
#include "minicv/cv_file_save.h"
#include "minicv/photo.h"
#include "named_files.h"
#include "qt/qt_picture_service.h"
#include "services/non_interactive_prompter.h"
#include "text/field_text.h"
#include "text/file_path.h"
#include "text/scratch_folder.h"

namespace {

// Every character the same size: the fuzzer looks for faults of the reader, not of the fonts.
class EvenMetrics : public orvane::TextMetrics {
 public:
  orvane::FontMeasures measure(const std::string& text, const orvane::FontSpec&) override {
    return {static_cast<int>(text.size()) * 7, 16, 13, 0};
  }
};

// The lines naming the files that follow the mini-CV file in an input, in their order there.
constexpr std::array<int, 5> namedFileLines{
    orvane::minicv::cvLineZone1File, orvane::minicv::cvLineZone1File + 1, orvane::minicv::cvLineZone1File + 2,
    orvane::minicv::cvLineZone1File + 3, orvane::minicv::cvLinePhoto};

// Writes the zone files and the photo the mini-CV file names, as far as the input holds them.
void writeNamedFiles(const orvane::ScratchFolder& folder, const std::string& cvFile,
                     const std::vector<std::string_view>& files) {
  const auto lines = orvane::readLines(orvane::nativePath(cvFile));
  if (!lines) return;
  const orvane::minicv::CvFileLines parsed = orvane::minicv::parseCvFileLines(*lines);
  for (std::size_t index = 0; index < namedFileLines.size() && index + 1 < files.size(); ++index) {
    const std::string recorded = parsed.values.at(namedFileLines[index]).value_or("");
    const std::string_view named = orvane::trimLeadingBlanks(recorded);
    if (!named.empty())
      orvane::fuzz::writeNamedFile(folder.path(), folder.path() / orvane::nativePath(named),
                                   files[index + 1]);
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  // The photo is drawn as the editor draws it, with no screen.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QGuiApplication application(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const orvane::ScratchFolder folder("orvane-fuzz-");
  const std::string file = folder.file("fuzz.ov4");
  const std::vector<std::string_view> files =
      orvane::fuzz::splitFiles(std::string_view(reinterpret_cast<const char*>(data), size));
  orvane::writeFileReplacing(file, files.front());
  writeNamedFiles(folder, file, files);

  orvane::minicv::CvSheet sheet;
  sheet.open(false);
  orvane::minicv::CvFileSession session;
  orvane::NonInteractivePrompter prompter;
  orvane::CompanionFiles companions(prompter, orvane::Language::French);
  companions.workingCopyFolder = folder.file("");
  EvenMetrics metrics;
  orvane::QtPictureService pictures;
  if (orvane::minicv::loadCvFile(sheet, session, file, orvane::minicv::CvReportMode::Ask,
                                 {companions, prompter, metrics, pictures}))
    orvane::minicv::cvFileValues(sheet, "fuzz");
  return 0;
}
