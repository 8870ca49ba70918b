// printers, card-audit and card-print: the system's printers, the card audit against one of them, and
// the card's sheet sent to one of them.
#include "shell/print_commands.h"

#include <QPrinterInfo>
#include <iostream>

#include "cli/command_table.h"
#include "cli/gui_session.h"
#include "cli/json_writer.h"
#include "cli/loaded_card.h"
#include "cli/printer_choice.h"
#include "cli/script_drawing.h"
#include "cli/stock_options.h"
#include "qt/card_sheet_pdf.h"
#include "qt/qt_printer_service.h"
#include "qt/qt_settings_store.h"
#include "qt/qt_text_metrics.h"
#include "shell/card_audit.h"
#include "text/field_text.h"

namespace orvane::cli {

namespace {

constexpr int mostCopies = 999;

void writePair(JsonWriter& json, std::string_view name, auto first, auto second) {
  json.key(name);
  json.beginArray();
  json.value(first);
  json.value(second);
  json.endArray();
}

void writePrinter(JsonWriter& json, const std::string& name, bool isDefault,
                  const PrinterMeasurements& device) {
  json.beginObject();
  json.field("name", name);
  json.field("default", isDefault);
  json.field("pdf", name.starts_with(QtPrinterService::pdfPrefix));
  writePair(json, "resolution", device.resolution.horizontal, device.resolution.vertical);
  writePair(json, "printableMm", device.printableWidthMm, device.printableHeightMm);
  writePair(json, "paper", device.paperWidth, device.paperHeight);
  writePair(json, "offset", device.offsetX, device.offsetY);
  writePair(json, "offsetMm", device.offsetXMm(), device.offsetYMm());
  json.field("blendCapabilities", device.blendCapabilities);
  json.endObject();
}

int listPrinters() {
  JsonWriter json;
  json.beginObject();
  json.key("printers");
  json.beginArray();
  const std::string defaultName = QPrinterInfo::defaultPrinterName().toStdString();
  std::vector<std::string> names = QtPrinterService::systemPrinterNames();
  names.emplace_back(QtPrinterService::pdfPrefix);
  for (const std::string& name : names) {
    QtPrinterService printers;
    if (!printers.selectPrinter(name)) continue;
    if (const auto device = printers.currentMeasurements())
      writePrinter(json, name, !defaultName.empty() && name == defaultName, *device);
  }
  json.endArray();
  json.endObject();
  json.flushTo(std::cout);
  std::cout << '\n';
  return 0;
}

struct AuditOptions {
  std::string cardFile;
  std::string printer{QtPrinterService::pdfPrefix};
  std::string templateId{orvaneSheetId};
};

std::optional<std::string> parseAuditOptions(const Arguments& args, AuditOptions& options) {
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--printer" && i + 1 < args.size()) {
      options.printer = args[++i];
    } else if (args[i] == "--template" && i + 1 < args.size()) {
      options.templateId = args[++i];
    } else if (args[i].starts_with("--")) {
      return "unknown option: " + args[i];
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 1) return usageLine("card-audit");
  options.cardFile = files[0];
  return std::nullopt;
}

int runAudit(LoadedCard& loaded, const AuditOptions& options) {
  QtPrinterService printers;
  if (const auto problem = choosePrinter(printers, options.printer)) return usageError(*problem);
  const std::optional<MeasuredPrinter> measured = measurePrinter(printers, screenResolution);
  AuditInput input(loaded.card);
  if (const auto problem = findCardStock(options.templateId, input.stock)) return usageError(*problem);
  input.screenResolution = screenResolution;
  input.printerAvailable = measured.has_value();
  if (measured) input.printRatioX = measured->ratios.x;
  QtTextMetrics metrics;
  input.lineFonts = frameLineFonts(loaded.card, metrics, screenResolution);
  NonInteractivePrompter prompter;
  const std::vector<AuditFinding> findings = auditCard(input, printers, prompter, loaded.language);
  JsonWriter json;
  json.beginObject();
  json.key("advice");
  json.beginArray();
  for (const AuditFinding& finding : findings) {
    json.beginObject();
    json.field("number", finding.number);
    json.field("id", finding.id);
    json.field("text", finding.text);
    json.endObject();
  }
  json.endArray();
  json.key("messages");
  json.beginArray();
  for (const std::string& message : prompter.texts()) json.value(message);
  json.endArray();
  json.endObject();
  json.flushTo(std::cout);
  std::cout << '\n';
  return 0;
}

struct PrintOptions {
  std::string cardFile;
  std::string printer;
  int copies = 1;
  bool blackAndWhite = false;
  bool testPrint = false;
  StockOptions stock;
};

std::optional<std::string> parsePrintOptions(const Arguments& args, PrintOptions& options) {
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::optional<std::string> problem;
    if (options.stock.take(args, i, problem)) {
      if (problem) return problem;
    } else if (args[i] == "--printer" && i + 1 < args.size()) {
      options.printer = args[++i];
    } else if (args[i] == "--copies") {
      const auto copies = i + 1 < args.size() ? tryParseInteger(args[++i]) : std::nullopt;
      if (!copies || *copies < 1 || *copies > mostCopies)
        return "--copies takes a number from 1 to " + std::to_string(mostCopies);
      options.copies = *copies;
    } else if (args[i] == "--bw") {
      options.blackAndWhite = true;
    } else if (args[i] == "--test") {
      options.testPrint = true;
    } else if (args[i].starts_with("--")) {
      return "unknown option: " + args[i];
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 1 || options.printer.empty()) return usageLine("card-print");
  options.cardFile = files[0];
  return std::nullopt;
}

// The print dialog a script has already answered: the copies it asked for.
class AnsweredPrintDialogs : public PrintDialogs {
 public:
  explicit AnsweredPrintDialogs(int copies) : copies_(copies) {}
  std::optional<int> printDialog() override { return copies_; }
  bool printerSetupDialog() override { return true; }

 private:
  int copies_;
};

// Answers the test print's question as the script's options say: colour unless --bw.
class TestPrintPrompter : public NonInteractivePrompter {
 public:
  explicit TestPrintPrompter(bool colour) : colour_(colour) {}
  Answer show(MessageKind kind, const std::string& text, Buttons buttons, int helpContext,
              const std::string& title) override {
    const Answer answer = NonInteractivePrompter::show(kind, text, buttons, helpContext, title);
    if (buttons != Buttons::YesNo) return answer;
    return colour_ ? Answer::Yes : Answer::No;
  }

 private:
  bool colour_;
};

int runPrint(LoadedCard& loaded, const PrintOptions& options) {
  QtPrinterService printers;
  if (const auto problem = choosePrinter(printers, options.printer)) return usageError(*problem);
  ScriptDrawing drawing(loaded);
  TestPrintPrompter prompter(!options.blackAndWhite);
  CardEditorShell shell(loaded.card, prompter, printers);
  shell.state().screenResolution = screenResolution;
  if (const auto problem = findCardStock(options.stock.templateId, shell.state().cardStock))
    return usageError(*problem);
  QtSettingsStore store;
  const PrinterCalibration calibration =
      options.stock.calibration(readCalibration(store, printers.currentPrinterName()));
  AnsweredPrintDialogs dialogs(options.copies);
  PrintCommands commands(shell, printers, dialogs, prompter);
  const PageDrawing draw = [&](Canvas& canvas, const PrinterMeasurements& page) {
    SheetSettings settings;
    settings.printer = page;
    settings.screenResolution = screenResolution;
    settings.printMode = shell.state().lastPrintMode;
    settings.testPrint = shell.state().testPrintMode;
    // A card file gives the card and both frames their colours.
    settings.cardColourChosen = true;
    settings.frameColourChosen = {true, true};
    settings.stock = shell.state().cardStock;
    settings.calibration = calibration;
    drawCardSheetNow(drawing.context, canvas, settings);
  };
  PrintOutcome outcome;
  if (options.testPrint)
    outcome = commands.testimpr(draw);
  else if (options.blackAndWhite)
    outcome = commands.mimpneb_click(draw);
  else
    outcome = commands.mimpcouleurs_click(draw);
  if (outcome.failed) return usageError(prompter.shown.back().text);
  if (const auto failure = drawing.failure()) return usageError(*failure);
  std::string report;
  appendJsonLine(report, Json{{"pages", outcome.pages}});
  std::cout << report << '\n';
  return 0;
}

}  // namespace

int printersCommand(const Arguments& args) {
  if (!args.empty()) return usageError(usageLine("printers"));
  return withGuiApplication(listPrinters);
}

int cardAuditCommand(const Arguments& args) {
  AuditOptions options;
  if (const auto problem = parseAuditOptions(args, options)) return usageError(*problem);
  LoadedCard loaded;
  if (const auto failure = loaded.load(options.cardFile)) return usageError(*failure);
  return withGuiApplication([&] { return runAudit(loaded, options); });
}

int cardPrintCommand(const Arguments& args) {
  PrintOptions options;
  if (const auto problem = parsePrintOptions(args, options)) return usageError(*problem);
  LoadedCard loaded;
  if (const auto failure = loaded.load(options.cardFile)) return usageError(*failure);
  return withGuiApplication([&] { return runPrint(loaded, options); });
}

}  // namespace orvane::cli
