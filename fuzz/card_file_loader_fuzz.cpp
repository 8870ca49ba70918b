// Loads arbitrary bytes as a card file with the frame texts it names, answering every question with
// OK, then writes the card's lines. The input is the card file, then frame 1's and frame 2's text
// files, each after the separator line of named_files.h, so that the load reaches the RTF reader too.
// Run from the top folder: build-fuzz/fuzz/card_file_loader_fuzz -dict=fuzz/rtf.dict fuzz/corpus/card_file
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "card/card_model.h"
#include "cardfile/card_file_loader.h"
#include "cardfile/card_file_writer.h"
#include "named_files.h"
#include "services/non_interactive_prompter.h"
#include "shell/open_card_file.h"
#include "text/file_path.h"
#include "text/scratch_folder.h"

namespace {

// Writes the text files the card file names, as far as the input holds them.
void writeFrameTexts(const orvane::ScratchFolder& folder, const std::string& cardFile,
                     const std::vector<std::string_view>& files) {
  const orvane::CardFileReading reading = orvane::readCardFile(cardFile, {});
  for (int number = 1; number <= 2 && number < static_cast<int>(files.size()); ++number)
    if (const auto named = reading.frameTextFile(number); named && !named->empty())
      orvane::fuzz::writeNamedFile(folder.path(), orvane::nativePath(*named), files[number]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Each input gets a folder of its own for itself and its working copies, as the fuzzer may end the
  // run without cleaning up.
  const orvane::ScratchFolder folder("orvane-fuzz-");
  const std::string file = folder.file("fuzz.ov1");
  const std::vector<std::string_view> files =
      orvane::fuzz::splitFiles(std::string_view(reinterpret_cast<const char*>(data), size));
  orvane::writeFileReplacing(file, files.front());
  writeFrameTexts(folder, file, files);

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
