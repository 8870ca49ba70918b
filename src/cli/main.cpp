// orvane-cli: the editor's core without a window, for scripts, batch work and tests.
#include <exception>
#include <functional>
#include <iostream>
#include <map>

#include "cli/commands.h"

namespace orvane::cli {

int usageError(const std::string& message) {
  std::cerr << "orvane-cli: " << message << '\n';
  return 2;
}

}  // namespace orvane::cli

int main(int argc, char** argv) {
  using namespace orvane::cli;
  const std::map<std::string, std::function<int(const Arguments&)>> commands{
      {"catalogue", catalogueCommand},  {"start-card", startCardCommand}, {"card-dump", cardDumpCommand},
      {"card-save", cardSaveCommand},   {"rtf-dump", rtfDumpCommand},     {"rtf-write", rtfWriteCommand},
      {"card-sheet", cardSheetCommand}, {"card-png", cardPngCommand},
  };
  if (argc < 2)
    return usageError(
        "usage: orvane-cli COMMAND [ARGS...] (commands: catalogue, start-card, card-dump, card-save, "
        "rtf-dump, rtf-write, card-sheet, card-png)");
  const auto command = commands.find(argv[1]);
  if (command == commands.end()) return usageError(std::string("unknown command: ") + argv[1]);
  // A command that runs out of memory or meets a file-system error ends with one line, not an abort.
  try {
    return command->second(Arguments(argv + 2, argv + argc));
  } catch (const std::exception& error) {
    return usageError(std::string(argv[1]) + ": " + error.what());
  }
}
