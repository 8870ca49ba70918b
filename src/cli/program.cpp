#include "cli/program.h"

#include <pthread.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <exception>
#include <filesystem>
#include <iostream>
#include <system_error>
#include <thread>

#include "cli/command_table.h"
#include "cli/json_writer.h"
#include "text/file_path.h"
#include "text/scratch_folder.h"

namespace orvane::cli {

void printNote(const std::string& message) {
  // File names come from the user's files and folders: a line break or an escape sequence in one
  // is shown, not obeyed.
  std::cerr << "orvane-cli: " << escapeControlBytes(message) << '\n';
}

std::optional<std::string> outputOverInput(const std::string& input, const std::string& output) {
  std::error_code error;
  if (!std::filesystem::equivalent(nativePath(input), nativePath(output), error) || error)
    return std::nullopt;
  return output + ": is the input file, not written over";
}

int usageError(const std::string& message) {
  printNote(message);
  return 2;
}

namespace {

// A termination signal (as `timeout` sends) ends the command at once, but first removes its working
// folders as an ordinary end does. The signals are taken by a thread of their own, where that work may
// be done, not by a handler; one that whoever started the tool ignores stays ignored.
void removeWorkingFoldersOnSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
    struct sigaction current {};
    if (sigaction(signal, nullptr, &current) == 0 && current.sa_handler != SIG_IGN)
      sigaddset(&signals, signal);
  }
  if (pthread_sigmask(SIG_BLOCK, &signals, nullptr) != 0) return;
  std::thread([signals] {
    int received = 0;
    if (sigwait(&signals, &received) != 0) return;
    orvane::ScratchFolder::removeAll();
    _exit(128 + received);
  }).detach();
}

}  // namespace

std::string fileBesideThisProgram(std::string_view name) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : (self.parent_path() / name).string();
}

int runProgram(int argc, char** argv, std::span<const CommandRun> runs, int (*elsewhere)(char** argv)) {
  if (argc < 2) return usageError(programUsage());
  const std::string name = argv[1];
  if (name == "--help" || name == "-h") {
    std::cout << programHelp();
    return 0;
  }
  if (name == "--version") {
    std::cout << "orvane-cli " << ORVANE_VERSION << '\n';
    return 0;
  }
  const Command* command = findCommand(name);
  if (!command) return usageError("unknown command: " + name);
  const Arguments args(argv + 2, argv + argc);
  if (std::ranges::find(args, "--help") != args.end()) {
    std::cout << commandHelp(*command);
    return 0;
  }
  const auto found = std::ranges::find(runs, command->name, &CommandRun::name);
  if (found == runs.end()) return elsewhere ? elsewhere(argv) : usageError("unknown command: " + name);
  removeWorkingFoldersOnSignals();
  // A command that runs out of memory or meets a file-system error ends with one line, not an abort.
  try {
    return found->run(args);
  } catch (const std::exception& error) {
    return usageError(name + ": " + error.what());
  }
}

}  // namespace orvane::cli
