// cv-sheet and cv-test-print: a mini-CV loaded as the editor loads it, printed through the PDF printer
// by the editor's print commands, or measured by its test print.
#include "shell/cv_print_commands.h"

#include <QDateTime>
#include <iostream>

#include "cli/command_table.h"
#include "cli/json_writer.h"
#include "cli/loaded_card.h"
#include "cli/loaded_cv.h"
#include "cli/printer_choice.h"
#include "qt/qt_printer_service.h"
#include "qt/sheet_date_time.h"
#include "text/field_text.h"

namespace orvane::cli {

namespace {

struct CvPrintOptions {
  std::vector<std::string> files;  // the CV, then the bi- or tri-version's others
  std::string output;
  std::string printer;  // cv-test-print: the printer measured against, the PDF printer when empty
  bool blackAndWhite = false;
  std::optional<CvOrientation> orientation;
  int perPage = 0;
  bool noSignature = false;
  bool noFrames = false;
};

// The options, or the line that tells what is wrong with them; `sheet` says whether the cv-sheet
// options and OUT.pdf are taken.
std::optional<std::string> parseCvPrintOptions(const Arguments& args, bool sheet, CvPrintOptions& options) {
  const std::string command = sheet ? "cv-sheet" : "cv-test-print";
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--orientation" && hasValue) {
      const std::string& value = args[++i];
      if (value != "vertical" && value != "horizontal") return "--orientation takes vertical or horizontal";
      options.orientation = value == "vertical" ? CvOrientation::Vertical : CvOrientation::Horizontal;
    } else if (arg == "--per-page" && hasValue) {
      const auto number = tryParseInteger(args[++i]);
      if (!number || *number < 1 || *number > 3) return "--per-page takes a number from 1 to 3";
      options.perPage = *number;
    } else if (!sheet && arg == "--printer" && hasValue) {
      options.printer = args[++i];
    } else if (sheet && arg == "--bw") {
      options.blackAndWhite = true;
    } else if (sheet && arg == "--no-signature") {
      options.noSignature = true;
    } else if (sheet && arg == "--no-frames") {
      options.noFrames = true;
    } else if (sheet && arg == "--with") {
      for (int taken = 0; taken < 2 && i + 1 < args.size() && !args[i + 1].starts_with("--"); ++taken)
        options.files.push_back(args[++i]);
      if (options.files.empty()) return "--with takes one or two mini-CV files";
    } else if (arg.starts_with("--")) {
      return "unknown option: " + arg;
    } else {
      files.push_back(arg);
    }
  }
  if (files.size() != (sheet ? 2U : 1U)) return usageLine(command);
  if (options.perPage == 3 && options.orientation == CvOrientation::Vertical)
    return "--per-page takes 1 or 2 on a vertical page";
  options.files.insert(options.files.begin(), files[0]);
  if (sheet) options.output = files[1];
  return std::nullopt;
}

// The print settings of the editor's lists, chosen as the options say.
void choosePrintSettings(minicv::CvSheet& sheet, const CvPrintOptions& options) {
  // The number-per-page list is filled only once an orientation is chosen; horizontal is the default.
  if (options.orientation || options.perPage > 0)
    chooseCvOrientation(sheet, options.orientation == CvOrientation::Vertical ? 1 : 0);
  if (options.perPage > 0) chooseCvNumberPerPage(sheet, options.perPage - 1);
  sheet.state.hideSignature = options.noSignature;
  sheet.state.hideFrames = options.noFrames;
}

// The print dialog of a script: one copy on the printer already chosen.
class OneCopyPrintDialogs : public PrintDialogs {
 public:
  std::optional<int> printDialog() override { return 1; }
  bool printerSetupDialog() override { return true; }
};

// The editor's print commands over the loaded CV, on no printer until one is chosen.
struct CvPrinting {
  explicit CvPrinting(LoadedCv& loaded) : cv(loaded) {
    sources.dateTime = [] { return sheetDateTime(QDateTime::currentDateTime()); };
    sources.loadCopy = [this](minicv::CvSheet& sheet, const std::string& file) {
      minicv::loadCvFile(sheet, cv.session, file, minicv::CvReportMode::Silent, cv.reading());
    };
  }

  LoadedCv& cv;
  QtPrinterService printers;
  CardModel card;  // the print routine is the main window's, which always holds a card
  CardEditorShell shell{card, cv.prompter, printers};
  OneCopyPrintDialogs dialogs;
  PrintCommands printing{shell, printers, dialogs, cv.prompter};
  CvPrintSources sources{cv.sheet, cv.pictures, cv.metrics, screenResolution, {}, {}};
  CvPrintCommands commands{sources, printing, printers, cv.prompter};
};

void writeTexts(JsonWriter& json, std::string_view name, const std::vector<std::string>& texts) {
  json.key(name);
  json.beginArray();
  for (const std::string& text : texts) json.value(text);
  json.endArray();
}

int printSheet(const CvPrintOptions& options, const ScreenServices& screen) {
  LoadedCv loaded(screen);
  if (const auto failure = loaded.load(options.files[0])) return usageError(*failure);
  choosePrintSettings(loaded.sheet, options);
  if (options.files.size() > 1) {
    loaded.sheet.state.loadedFiles = {};
    for (std::size_t slot = 0; slot < options.files.size(); ++slot)
      loaded.sheet.state.loadedFiles.at(slot) = options.files[slot];
  }
  CvPrinting printing(loaded);
  printing.printers.selectPrinter(std::string(QtPrinterService::pdfPrefix) + options.output);
  const PrintOutcome outcome = options.blackAndWhite ? printing.commands.impressionnoiretblanc1Click()
                                                     : printing.commands.impressioncouleur1Click();
  if (outcome.failed) return usageError(loaded.prompter.shown.back().text);
  JsonWriter json;
  json.beginObject();
  json.field("pages", outcome.pages);
  writeTexts(json, "messages", loaded.prompter.texts());
  json.endObject();
  std::cout << json.text() << '\n';
  return 0;
}

int testPrint(const CvPrintOptions& options, const ScreenServices& screen) {
  LoadedCv loaded(screen);
  if (const auto failure = loaded.load(options.files[0])) return usageError(*failure);
  choosePrintSettings(loaded.sheet, options);
  const std::size_t loadMessages = loaded.prompter.shown.size();
  // The test print begins a document and drops it: its file is never written, nothing is queued.
  const ScratchFolder scratch("orvane-cli-");
  CvPrinting printing(loaded);
  const std::string printer = options.printer.empty()
                                  ? std::string(QtPrinterService::pdfPrefix) + scratch.file("test.pdf")
                                  : options.printer;
  if (const auto problem = choosePrinter(printing.printers, printer)) return usageError(*problem);
  const CvTestPrintReport report = printing.commands.impression1Click(0);
  if (!report.ran) return usageError("the printer could not begin a document");
  const std::vector<std::string> shown = loaded.prompter.texts();
  JsonWriter json;
  json.beginObject();
  writeTexts(json, "report", report.reportLines);
  json.field("outOfBounds", report.outOfBounds);
  // The messages of the measuring, without the load's before them and the report after them.
  writeTexts(json, "messages", {shown.begin() + static_cast<std::ptrdiff_t>(loadMessages), shown.end() - 1});
  json.endObject();
  std::cout << json.text() << '\n';
  return 0;
}

}  // namespace

int cvSheetCommand(const Arguments& args) {
  CvPrintOptions options;
  if (const auto problem = parseCvPrintOptions(args, true, options)) return usageError(*problem);
  return withScreenServices([&](const ScreenServices& screen) { return printSheet(options, screen); });
}

int cvTestPrintCommand(const Arguments& args) {
  CvPrintOptions options;
  if (const auto problem = parseCvPrintOptions(args, false, options)) return usageError(*problem);
  return withScreenServices([&](const ScreenServices& screen) { return testPrint(options, screen); });
}

}  // namespace orvane::cli
