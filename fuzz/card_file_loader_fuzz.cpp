// Loads arbitrary bytes as a card file, answering every question with OK, then writes the card's lines.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "card/card_model.h"
#include "cardfile/card_file_writer.h"
#include "services/non_interactive_prompter.h"
#include "shell/open_card_file.h"
#include "text/line_file.h"
#include "text/scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Each input gets a folder of its own for itself and its working copies, as the fuzzer may end the
  // run without cleaning up.
  const orvane::ScratchFolder folder("orvane-fuzz-");
  const std::string file = folder.file("fuzz.ov1");
  orvane::writeFileReplacing(file, std::string_view(reinterpret_cast<const char*>(data), size));

  orvane::CardModel card;
  orvane::setupStartCard(card, 96);
  orvane::NonInteractivePrompter prompter;
  const orvane::Language language = orvane::Language::French;
  orvane::CompanionFiles companions(prompter, language);
  companions.workingCopyFolder = folder.file("");
  if (orvane::openCardFile(card, file, {}, companions, prompter).loaded)
    orvane::cardFileLines(card, "fuzz", 96);
  return 0;
}
