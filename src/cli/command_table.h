#pragma once
// The commands of orvane-cli with their help: one table for the dispatch, the usage lines and --help.

#include <span>
#include <string>
#include <string_view>

#include "cli/commands.h"

namespace orvane::cli {

/// One argument or option of a command and the sentence that explains it.
struct ArgumentHelp {
  std::string_view name;
  std::string_view sentence;
};

/// A command's name, usage and help. Which program runs it is said by the lists of runs (see program.h).
struct Command {
  std::string_view name;
  std::string_view arguments;  // what follows the name on the usage line
  std::string_view summary;    // one sentence
  std::span<const ArgumentHelp> argumentHelp;
};

/// Every command, in the order the help lists them.
std::span<const Command> commands();
/// The command called `name`, or nothing.
const Command* findCommand(std::string_view name);

/// "usage: orvane-cli NAME ARGUMENTS" of the command called `name`.
std::string usageLine(std::string_view name);
/// The help of one command: its usage line, its sentence and one line per argument or option.
std::string commandHelp(const Command& command);
/// The help of the tool: its usage line and one line per command and option.
std::string programHelp();
/// The one line a call without a command gets on stderr.
std::string programUsage();

}  // namespace orvane::cli
