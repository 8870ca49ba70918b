// Loads arbitrary bytes as a card file, answering every question with OK, then writes the card's lines.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "card/card_model.h"
#include "cardfile/card_file_loader.h"
#include "cardfile/card_file_writer.h"
#include "services/scripted_services.h"

namespace {

const std::filesystem::path& workFolder() {
  static const std::filesystem::path folder = [] {
    auto path =
        std::filesystem::temp_directory_path() / ("orvane-fuzz-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(path);
    return path;
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path file = workFolder() / "fuzz.ov1";
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

  orvane::CardModel card;
  orvane::setupStartCard(card, 96);
  orvane::ScriptedPrompter prompter;
  const std::string language = "fr";
  orvane::CompanionFiles companions(prompter, language);
  companions.workingCopyFolder = workFolder().string();
  orvane::CardFileLoadOptions options;
  options.screenResolution = 96;
  if (orvane::loadCardFile(card, file.string(), options, companions, prompter).loaded)
    orvane::cardFileLines(card, "fuzz", 96);
  companions.deleteWorkingCopies();
  return 0;
}
