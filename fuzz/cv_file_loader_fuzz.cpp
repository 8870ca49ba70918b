// Loads arbitrary bytes as a mini-CV file, answering every question with OK, then writes its lines.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "minicv/cv_file_load.h"
#include "minicv/cv_file_save.h"
#include "services/non_interactive_prompter.h"
#include "text/line_file.h"
#include "text/scratch_folder.h"

namespace {

// Every character the same size: the fuzzer looks for faults of the reader, not of the fonts.
class EvenMetrics : public orvane::TextMetrics {
 public:
  orvane::FontMeasures measure(const std::string& text, const orvane::FontSpec&) override {
    return {static_cast<int>(text.size()) * 7, 16, 13, 0};
  }
};

// No picture can be read: the photo is the one file the loader reads that is not the fuzzer's.
class NoPictures : public orvane::PictureService {
 public:
  std::optional<orvane::Image> readBitmap(const std::string&) override { return std::nullopt; }
  std::optional<orvane::Image> readIcon(const std::string&) override { return std::nullopt; }
  // Nothing is read, so nothing is ever drawn on.
  std::unique_ptr<orvane::Canvas> canvasOn(orvane::Image&) override { return nullptr; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const orvane::ScratchFolder folder("orvane-fuzz-");
  const std::string file = folder.file("fuzz.ov4");
  orvane::writeFileReplacing(file, std::string_view(reinterpret_cast<const char*>(data), size));

  orvane::minicv::CvSheet sheet;
  sheet.open(false);
  orvane::minicv::CvFileSession session;
  orvane::NonInteractivePrompter prompter;
  orvane::CompanionFiles companions(prompter, orvane::Language::French);
  companions.workingCopyFolder = folder.file("");
  EvenMetrics metrics;
  NoPictures pictures;
  if (orvane::minicv::loadCvFile(sheet, session, file, orvane::minicv::CvReportMode::Ask,
                                 {companions, prompter, metrics, pictures}))
    orvane::minicv::cvFileValues(sheet, "fuzz");
  return 0;
}
