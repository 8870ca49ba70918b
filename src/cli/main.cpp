// orvane-cli: the editor's core without a window, for scripts, batch work and tests. The commands run
// here start without loading Qt; the others are handed to orvane-cli-qt, which lies beside this program.
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "cli/program.h"

namespace orvane::cli {

namespace {

constexpr std::array commandsWithoutQt{
    CommandRun{"catalogue", catalogueCommand},  CommandRun{"start-card", startCardCommand},
    CommandRun{"card-dump", cardDumpCommand},   CommandRun{"card-save", cardSaveCommand},
    CommandRun{"rtf-dump", rtfDumpCommand},     CommandRun{"rtf-write", rtfWriteCommand},
    CommandRun{"card-vcard", cardVcardCommand}, CommandRun{"bmp-check", bmpCheckCommand},
};

// The second program is looked for beside this program's own file, links resolved, so that the pair
// works from the build folder, from where it is installed and through a link to orvane-cli.
int runInQtProgram(char** argv) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return usageError(std::string(argv[1]) + ": cannot find its own program: " + error.message());
  std::string program = (self.parent_path() / "orvane-cli-qt").string();
  argv[0] = program.data();
  execv(program.c_str(), argv);
  return usageError(std::string(argv[1]) + ": needs " + program +
                    ", which cannot be started: " + std::strerror(errno));
}

}  // namespace

}  // namespace orvane::cli

int main(int argc, char** argv) {
  using namespace orvane::cli;
  return runProgram(argc, argv, commandsWithoutQt, runInQtProgram);
}
