// orvane-cli-qt: the commands of orvane-cli that draw, print or read pictures, and so need Qt's fonts,
// image readers or printers, and those that lay out a sheet or a form in fonts only Qt measures as the
// windows do. orvane-cli hands them over to this program.
#include <array>

#include "cli/program.h"

namespace orvane::cli {

namespace {

constexpr std::array commandsWithQt{
    CommandRun{"card-sheet", cardSheetCommand},
    CommandRun{"card-merge", cardMergeCommand},
    CommandRun{"card-pdf", cardPdfCommand},
    CommandRun{"card-edit", cardEditCommand},
    CommandRun{"card-png", cardPngCommand},
    CommandRun{"cv-layout", cvLayoutCommand},
    CommandRun{"cv-check", cvCheckCommand},
    CommandRun{"printers", printersCommand},
    CommandRun{"card-audit", cardAuditCommand},
    CommandRun{"card-print", cardPrintCommand},
    CommandRun{"templates", templatesCommand},
    CommandRun{"card-calibration", cardCalibrationCommand},
    CommandRun{"form-html", formHtmlCommand},
    CommandRun{"cv-dump", cvDumpCommand},
    CommandRun{"cv-save", cvSaveCommand},
    CommandRun{"cv-sheet", cvSheetCommand},
    CommandRun{"cv-test-print", cvTestPrintCommand},
    CommandRun{"cv-html", cvHtmlCommand},
    CommandRun{"cv-to-json", cvToJsonCommand},
    CommandRun{"cv-from-json", cvFromJsonCommand},
};

}  // namespace

}  // namespace orvane::cli

int main(int argc, char** argv) {
  using namespace orvane::cli;
  return runProgram(argc, argv, commandsWithQt, nullptr);
}
