// Checks arbitrary bytes as a bitmap file in silent mode, repairing it when the check says so, and
// requires a repaired file to be valid and to differ only in its two size fields.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "bitmap/bitmap_check.h"
#include "services/non_interactive_prompter.h"
#include "text/file_path.h"
#include "text/line_file.h"
#include "text/scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const orvane::ScratchFolder folder("orvane-fuzz-");
  const std::string file = folder.file("fuzz.bmp");
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  orvane::writeFileReplacing(orvane::nativePath(file), input);

  orvane::NonInteractivePrompter prompter;
  const orvane::BitmapCheckOptions options{false, true};
  if (orvane::checkBitmap(file, options, prompter, orvane::Language::French) !=
      orvane::BitmapCheckCode::Repaired)
    return 0;
  const std::string after = *orvane::readFileBytes(orvane::nativePath(file));
  if (after.size() != input.size() ||
      orvane::inspectBitmapFile(file)->verdict != orvane::BitmapVerdict::Valid)
    __builtin_trap();
  for (std::size_t at = 0; at < size; ++at) {
    const bool sizeField = (at >= 2 && at < 6) || (at >= 34 && at < 38);
    if (!sizeField && after[at] != input[at]) __builtin_trap();
  }
  return 0;
}
