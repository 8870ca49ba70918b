// orvane-cli: the editor's core without a window, for scripts, batch work and tests. The commands run
// here start without loading Qt; the others are handed to orvane-cli-qt, which lies beside this program.
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <sstream>

#include "cli/program.h"
#include "fonts/font_file_metrics.h"

namespace orvane::cli {

namespace {

char** commandLine = nullptr;

int runInQtProgram(char** argv) {
  std::string program = fileBesideThisProgram("orvane-cli-qt");
  if (program.empty()) return usageError(std::string(argv[1]) + ": cannot find its own program");
  argv[0] = program.data();
  execv(program.c_str(), argv);
  return usageError(std::string(argv[1]) + ": needs " + program +
                    ", which cannot be started: " + std::strerror(errno));
}

// What a command prints on stdout and stderr, kept until it ends.
class HeldBackOutput {
 public:
  HeldBackOutput() : out_(std::cout.rdbuf(held_[0].rdbuf())), err_(std::cerr.rdbuf(held_[1].rdbuf())) {}
  ~HeldBackOutput() { restore(); }
  HeldBackOutput(const HeldBackOutput&) = delete;
  HeldBackOutput& operator=(const HeldBackOutput&) = delete;

  void release() {
    restore();
    std::cout << held_[0].str();
    std::cerr << held_[1].str();
  }
  void restore() {
    std::cout.rdbuf(out_);
    std::cerr.rdbuf(err_);
  }

 private:
  std::ostringstream held_[2];
  std::streambuf* out_;
  std::streambuf* err_;
};

// A command that lays out a sheet or a form runs here as long as its fonts can be measured from their
// files as Qt measures them; where only Qt can do the work, the command is handed over whole, and what
// it printed until then is dropped so that nothing is seen twice. Its files are written whole at the
// end, so a hand-over leaves none half written.
template <int (*command)(const Arguments&)>
int measuring(const Arguments& args) {
  HeldBackOutput output;
  try {
    const int status = command(args);
    output.release();
    return status;
  } catch (const NeedsQt&) {
    output.restore();
    return runInQtProgram(commandLine);
  } catch (...) {
    output.release();
    throw;
  }
}

constexpr std::array commandsWithoutQt{
    CommandRun{"catalogue", catalogueCommand},
    CommandRun{"start-card", startCardCommand},
    CommandRun{"card-dump", cardDumpCommand},
    CommandRun{"card-save", cardSaveCommand},
    CommandRun{"rtf-dump", rtfDumpCommand},
    CommandRun{"rtf-write", rtfWriteCommand},
    CommandRun{"card-vcard", cardVcardCommand},
    CommandRun{"bmp-check", bmpCheckCommand},
    CommandRun{"cv-layout", measuring<cvLayoutCommand>},
    CommandRun{"cv-check", measuring<cvCheckCommand>},
    CommandRun{"cv-dump", measuring<cvDumpCommand>},
    CommandRun{"cv-save", measuring<cvSaveCommand>},
    CommandRun{"cv-html", measuring<cvHtmlCommand>},
    CommandRun{"cv-to-json", measuring<cvToJsonCommand>},
    CommandRun{"cv-from-json", measuring<cvFromJsonCommand>},
    CommandRun{"form-html", measuring<formHtmlCommand>},
    CommandRun{"card-edit", measuring<cardEditCommand>},
};

}  // namespace

}  // namespace orvane::cli

int main(int argc, char** argv) {
  using namespace orvane::cli;
  commandLine = argv;
  return runProgram(argc, argv, commandsWithoutQt, runInQtProgram);
}
