// Feeds arbitrary bytes to the reader of "Links" blocks: whatever it accepts must write and read back
// as the same records.
// Run from the top folder: build-fuzz/fuzz/links_reader_fuzz fuzz/corpus/links
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "html/links.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto records =
      orvane::html::readLinksText(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!records) return 0;
  std::vector<orvane::html::LinksEntry> entries;
  for (const orvane::html::THExtStored& record : *records) {
    if (record.kind == 0)
      entries.push_back({record.name, {}});
    else if (entries.empty())
      std::abort();  // a pair always follows the name of its element
    else
      entries.back().pairs.emplace_back(record.name, record.value);
  }
  if (orvane::html::readLinksText(orvane::html::writeLinksText(entries)) != records) std::abort();
  return 0;
}
