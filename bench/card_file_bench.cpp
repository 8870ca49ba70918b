// How long the card file takes to load and to save, frame texts included.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "card/card_model.h"
#include "cardfile/card_file_writer.h"
#include "services/non_interactive_prompter.h"
#include "shell/open_card_file.h"
#include "text/scratch_folder.h"

namespace orvane {
namespace {

const std::string fixture = std::string(ORVANE_TEST_DATA) + "/cardfile/carte.ov1";

// What loading and saving need, with the working copies of the frame texts kept in a scratch folder.
struct Services {
  Services() {
    std::filesystem::create_directory(scratch.path() / "element");
    companions.workingCopyFolder = scratch.file("");
  }
  Services(const Services&) = delete;
  Services& operator=(const Services&) = delete;

  ScratchFolder scratch{"orvane-bench-"};
  NonInteractivePrompter prompter;
  Language language = Language::French;
  CompanionFiles companions{prompter, language};
};

CardModel loadedCard(Services& services) {
  CardModel card;
  setupStartCard(card, 96);
  openCardFile(card, fixture, {}, services.companions, services.prompter);
  return card;
}

void loadCard(benchmark::State& state) {
  Services services;
  for (auto _ : state) {
    CardModel card;
    setupStartCard(card, 96);
    benchmark::DoNotOptimize(openCardFile(card, fixture, {}, services.companions, services.prompter));
  }
}
BENCHMARK(loadCard);

void cardToLines(benchmark::State& state) {
  Services services;
  const CardModel card = loadedCard(services);
  for (auto _ : state) benchmark::DoNotOptimize(cardFileLines(card, "carte", 96));
}
BENCHMARK(cardToLines);

void saveCard(benchmark::State& state) {
  Services services;
  CardModel card = loadedCard(services);
  const std::string target = services.scratch.file("carte.ov1");
  for (auto _ : state) {
    card.frame(1).modified = card.frame(2).modified = true;  // the texts are written every time
    benchmark::DoNotOptimize(writeCardFile(card, target, "carte", 96));
    benchmark::DoNotOptimize(
        saveFrameTexts(card, target, "carte", services.companions, Language::French, services.prompter));
  }
}
BENCHMARK(saveCard);

}  // namespace
}  // namespace orvane

BENCHMARK_MAIN();
