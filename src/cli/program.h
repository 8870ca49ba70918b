#pragma once
// What orvane-cli and its Qt half share: the reading of the command line, the help and the version,
// and the running of one command.

#include <span>
#include <string>
#include <string_view>

#include "cli/commands.h"

namespace orvane::cli {

/// A command one program runs.
struct CommandRun {
  std::string_view name;
  int (*run)(const Arguments&);
};

/// The commands that draw, print or read pictures need Qt's fonts, image readers or printers; they run
/// in a second program so that the others start without loading Qt. `elsewhere` hands a command of
/// the table that is not among `runs` to that program (it replaces this process); null in the second
/// program itself.
int runProgram(int argc, char** argv, std::span<const CommandRun> runs, int (*elsewhere)(char** argv));

/// The file called `name` in the folder of this program's own file, links resolved, so that what the
/// program loads or starts is found from the build folder, from where it is installed and through a
/// link to it; empty when the program's file cannot be told.
std::string fileBesideThisProgram(std::string_view name);

}  // namespace orvane::cli
