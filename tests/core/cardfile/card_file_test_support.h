#pragma once
// What the card file suites share: the fixture folder, a started card and the opening of a card file
// with scripted answers.

#include <string>

#include "card/card_model.h"
#include "shell/open_card_file.h"
#include "support/scripted_services.h"
#include "temporary_folder.h"

namespace orvane::testing {

inline std::string cardFixture(const std::string& name) {
  return std::string(ORVANE_TEST_DATA) + "/cardfile/" + name;
}

// A start card, the services the card file needs, and a folder for the test's own files.
struct CardUnderTest {
  TemporaryFolder folder;
  CardModel card;
  ScriptedPrompter prompter;
  Language language = Language::French;
  CompanionFiles companions{prompter, language};

  CardUnderTest() {
    setupStartCard(card, 96);
    companions.workingCopyFolder = folder.file("");
  }

  // Opens `path` as the editor's start does.
  OpenedCardFile load(const std::string& path, int screenResolution = 96) {
    CardFileOpening opening;
    opening.screenResolution = screenResolution;
    return openCardFile(card, path, opening, companions, prompter);
  }
};

}  // namespace orvane::testing
