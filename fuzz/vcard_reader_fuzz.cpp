// Feeds arbitrary bytes to the contact file reader: whatever contact it reads must be valid UTF-8 and
// must write and read back as the same contact and QR code placement.
// Run from the top folder: build-fuzz/fuzz/vcard_reader_fuzz fuzz/corpus/vcard
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "contact/vcard.h"
#include "text/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto read = orvane::readContactFile(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!read) return 0;
  const std::string written = orvane::writeContactFile(*read);
  if (!orvane::isValidUtf8(written)) std::abort();
  const auto again = orvane::readContactFile(written);
  if (!again || !(*again == *read)) std::abort();
  return 0;
}
