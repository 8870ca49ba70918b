// Feeds arbitrary bytes to the RTF reader: whatever it reads, of a whole or of a damaged document (which
// the editor shows as far as it was read), must be valid UTF-8 and must write and read back as the same
// document.
// Run from the top folder: build-fuzz/fuzz/rtf_reader_fuzz -dict=fuzz/rtf.dict fuzz/corpus/rtf
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"
#include "text/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const orvane::RtfReadResult read =
      orvane::readRtf(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!read.isRtf) return 0;
  if (!orvane::isValidUtf8(read.text.plainText()) || !orvane::isValidUtf8(read.text.insertionFormat().name))
    std::abort();
  const orvane::RtfReadResult again = orvane::readRtf(orvane::writeRtf(read.text));
  if (!again.ok() || !(again.text == read.text)) std::abort();
  return 0;
}
