#include "catalogue/caption_table.h"

#include "catalogue/catalogue.h"

namespace orvane {

std::vector<ResolvedCaption> resolveCaptions(std::span<const CaptionEntry> table, Language language) {
  std::vector<ResolvedCaption> captions;
  captions.reserve(table.size());
  // Several save entries have no text of their own and show the one fetched for the entry before.
  std::string running;
  for (const CaptionEntry& entry : table) {
    if (!entry.id) {
      captions.push_back({std::string(entry.control), entry.part, {}});
      continue;
    }
    catalogue::message_text(language, *entry.id, running);
    captions.push_back({std::string(entry.control), entry.part, running});
  }
  return captions;
}

}  // namespace orvane
