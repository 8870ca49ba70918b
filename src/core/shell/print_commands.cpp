#include "shell/print_commands.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

#include "catalogue/catalogue.h"
#include "stock/stock_layout.h"

namespace orvane {

namespace {

constexpr int messagePrintableArea = 135;
constexpr int messagePaperSize = 136;
constexpr int messageBorders = 137;
constexpr int messageResolution = 138;
constexpr int messageBlending = 175;
constexpr char reportLineEnd = '\r';
// The job's name in the printer's queue, whatever the interface language.
constexpr const char* jobTitle = "impression";
// The test print asks in French in every interface language: no catalogue entry holds the question.
constexpr const char* testPrintQuestion = "Voulez-vous faire un test d'impression en couleur ?";
constexpr const char* testPrintTitle = "Orvane : demande de confirmation";
constexpr std::string_view printRefused = "impression interrompue : l'imprimante a refusé le document";

// Millimetres in fixed notation with two decimals, the same in every locale.
std::string millimetres(double value) {
  std::array<char, 32> digits{};
  const auto written =
      std::to_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed, 2);
  return {digits.data(), written.ptr};
}

// The error of a document the printer did not take, with the printer's reason when it gave one.
std::string refusal(const std::string& reason) {
  std::string text(printRefused);
  if (!reason.empty()) text += " : " + reason;
  return text;
}

// The job's paper as it lies in portrait; its orientation turns it.
SizeMm portraitPaper(const SizeMm& paper) {
  return {std::min(paper.width, paper.height), std::max(paper.width, paper.height)};
}

// One copy is one page: the sheet is drawn again for each, never left to the printer to repeat.
DocumentDrawing copiesOf(const PageDrawing& draw) {
  return [draw](PrintJob& job, int copies) {
    PrintOutcome drawn;
    for (int copy = 1; copy <= copies; ++copy) {
      draw(job.canvas(), job.measurements());
      ++drawn.pages;
      if (copy < copies && !job.newPage()) {
        drawn.failed = true;
        break;
      }
    }
    return drawn;
  };
}

PageOrientation pageOrientation(const CardModel& card) {
  return isHorizontal(card) ? PageOrientation::Landscape : PageOrientation::Portrait;
}

}  // namespace

std::optional<MeasuredPrinter> measurePrinter(PrinterService& printers, int screenResolution) {
  const auto device = printers.currentMeasurements();
  if (!device) return std::nullopt;
  return MeasuredPrinter{screenResolution, *device, printRatios(device->resolution, screenResolution)};
}

std::string printerReport(const PrinterMeasurements& printer, Language language) {
  auto text = [language](int id) { return catalogue::text(language, id); };
  using std::to_string;
  return text(messagePrintableArea) + to_string(printer.printableWidthMm) + " X " +
         to_string(printer.printableHeightMm) + reportLineEnd + text(messagePaperSize) +
         to_string(printer.paperWidth) + " ; " + to_string(printer.paperHeight) + reportLineEnd +
         text(messageBorders) + millimetres(printer.offsetXMm()) + " ; " + millimetres(printer.offsetYMm()) +
         reportLineEnd + text(messageResolution) + to_string(printer.resolution.horizontal) + " ; " +
         to_string(printer.resolution.vertical) + " ; " + reportLineEnd + text(messageBlending) +
         to_string(printer.blendCapabilities);
}

PrintCommands::PrintCommands(CardEditorShell& shell, PrinterService& printers, PrintDialogs& dialogs,
                             Prompter& prompter)
    : shell_(shell), printers_(printers), dialogs_(dialogs), prompter_(prompter) {}

PrintOutcome PrintCommands::mimpneb_click(const PageDrawing& draw) {
  shell_.state().lastPrintMode = PrintMode::BlackAndWhite;
  return printSheet(draw);
}

PrintOutcome PrintCommands::mimpcouleurs_click(const PageDrawing& draw) {
  shell_.state().lastPrintMode = PrintMode::InColour;
  return printSheet(draw);
}

PrintOutcome PrintCommands::testimpr(const PageDrawing& draw) {
  shell_.state().testPrintMode = true;
  const Answer answer =
      prompter_.show(MessageKind::Confirmation, testPrintQuestion, Buttons::YesNo, 0, testPrintTitle);
  PrintOutcome outcome;
  if (answer == Answer::Yes) {
    outcome = mimpcouleurs_click(draw);
  } else {
    shell_.state().lastPrintMode = PrintMode::BlackAndWhite;
    outcome = printSheet(draw);
  }
  shell_.state().testPrintMode = false;
  return outcome;
}

PrintOutcome PrintCommands::printSheet(const PageDrawing& draw) { return printDocument(copiesOf(draw)); }

PrintOutcome PrintCommands::printSheet(const PageDrawing& draw, PageOrientation orientation, PrintMode mode,
                                       const SizeMm& paper) {
  return printDocument(copiesOf(draw), orientation, mode, paper);
}

PrintOutcome PrintCommands::printDocument(const DocumentDrawing& draw) {
  const ShellState& state = shell_.state();
  const CardStock& stock = state.cardStock;
  if (stock.followsCard) return printDocument(draw, pageOrientation(shell_.card()), state.lastPrintMode);
  if (const auto refusal =
          stockRefusal(shell_.card(), stock, state.screenResolution, state.interfaceLanguage)) {
    prompter_.show(MessageKind::Error, *refusal);
    return {.failed = true};
  }
  const PageOrientation orientation =
      stock.landscape() ? PageOrientation::Landscape : PageOrientation::Portrait;
  return printDocument(draw, orientation, state.lastPrintMode, stock.paper);
}

PrintOutcome PrintCommands::printDocument(const DocumentDrawing& draw, PageOrientation orientation,
                                          PrintMode mode, const SizeMm& paper) {
  PrintOutcome outcome;
  // Without a printer the print dialog has nothing to offer: the user is told why nothing happens.
  if (!printers_.currentMeasurements()) {
    shell_.warnNoPrinter();
    outcome.failed = true;
    return outcome;
  }
  const std::optional<int> copies = dialogs_.printDialog();
  if (!copies) {
    outcome.cancelled = true;
    return outcome;
  }
  const auto job =
      printers_.startJob({orientation, jobTitle, mode == PrintMode::InColour, portraitPaper(paper)});
  std::optional<std::string> failure;
  if (job) {
    outcome = draw(*job, *copies);
    // A document stopped or refused part way is dropped whole: no page of it reaches the printer.
    if (outcome.cancelled || outcome.failed)
      job->abort();
    else
      failure = job->finish();
  }
  if (!job || (outcome.failed && !outcome.cancelled)) failure = "";
  if (failure) {
    outcome.failed = true;
    shell_.reportUnhandledError(refusal(*failure));
  }
  return outcome;
}

bool PrintCommands::Imprimante1Click(int screenResolution) {
  if (!dialogs_.printerSetupDialog()) return false;
  measured_ = measurePrinter(printers_, screenResolution);
  if (measured_) {
    prompter_.show(MessageKind::Plain, printerReport(measured_->device, shell_.state().interfaceLanguage));
    shell_.state().printerRatios = measured_->ratios;
  }
  shell_.state().printerChosen = true;
  return true;
}

}  // namespace orvane
