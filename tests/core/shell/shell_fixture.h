#pragma once
// The start card with the main window's shell over scripted services, for the shell's suites.

#include <gtest/gtest.h>

#include "shell/card_editor_shell.h"
#include "support/scripted_services.h"

namespace orvane {

struct ShellFixture : ::testing::Test {
  CardModel card;
  ScriptedPrompter prompter;
  ScriptedPrinterService printers = ScriptedPrinterService::withPrinters(1, 600);
  CardEditorShell shell{card, prompter, printers};

  void SetUp() override { setupStartCard(card, 96); }
};

}  // namespace orvane
