#include "shell/cv_print_commands.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "catalogue/catalogue.h"
#include "minicv/element_table.h"
#include "minicv/font_layout.h"
#include "render/sheet_layout.h"
#include "text/rounding.h"

namespace orvane {

using minicv::Control;
using minicv::ControlId;
using minicv::ControlKind;
using minicv::CvSheet;

namespace {

constexpr int messageNumberPerPage = 13;
constexpr int messageFrameTooHigh = 101;
constexpr int messageFrameTooHighEnd = 102;
constexpr int messageLineTooWide = 103;
constexpr int messageLineTooWideEnd = 104;
constexpr int messageNoTextFormatting = 112;
constexpr std::array<int, 5> messagesReport = {116, 117, 118, 119, 120};
constexpr int messageOrientationQuestion = 1163;
constexpr int messageOrientationTitle = 1145;
constexpr int horizontalItem = 0;
constexpr int verticalItem = 1;
// The test print's document, never handed to the printer.
constexpr const char* testPrintTitle = "test impression";
// The side column and the print settings are the editor's, not the CV's: they never print.
constexpr std::array<std::string_view, 3> unprintedFrames = {"GroupBox3", "GroupBox9", "GroupBox31"};
// Printer fonts run wider than measured: a line is reported as soon as it comes this close.
constexpr double lineWidthAllowance = 1.025;

bool portraitFor(CvOrientation orientation) { return orientation == CvOrientation::Vertical; }

/// The numbers per page the test print measures for: 2 in portrait, 3 in landscape when none is chosen.
int measuredNumberPerPage(const CvSheet& sheet) {
  const int chosen = cvNumberPerPage(sheet);
  if (chosen > 0) return chosen;
  return portraitFor(cvOrientation(sheet)) ? 2 : 3;
}

bool unprinted(const minicv::ControlTree& tree, ControlId id) {
  for (; id != minicv::noControl; id = tree.at(id).parent)
    if (std::ranges::find(unprintedFrames, tree.at(id).name) != unprintedFrames.end()) return true;
  return false;
}

/// Text widths on the printer canvas, given in sheet pixels at the scale `k`.
class PrinterSheetMetrics : public TextMetrics {
 public:
  PrinterSheetMetrics(Canvas& canvas, double k) : canvas_(canvas), k_(k) {}
  FontMeasures measure(const std::string& text, const FontSpec& font) override {
    const TextSize size = canvas_.measureText(text, font);
    return {roundToInt(size.width / k_), roundToInt(size.height / k_), roundToInt(size.height / k_), 0};
  }

 private:
  Canvas& canvas_;
  double k_;
};

/// A zone line as the test print measures it: each tab as eight blanks, no trailing blanks.
std::string measuredLine(const Paragraph& paragraph) {
  std::string line;
  for (char c : cvParagraphText(paragraph)) line += c == '\t' ? std::string(8, ' ') : std::string(1, c);
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

/// Measures the sheet against the page; false when the user asked to stop.
class SheetMeasuring {
 public:
  SheetMeasuring(const CvSheet& sheet, Canvas& canvas, Prompter& prompter, double k, int pageHeight)
      : sheet_(sheet), canvas_(canvas), prompter_(prompter), k_(k), pageHeight_(pageHeight) {}

  int run() {
    const minicv::ControlTree& tree = sheet_.tree;
    for (ControlId id = 0; id < static_cast<ControlId>(tree.size()) && !stopped_; ++id) {
      const Control& control = tree.at(id);
      if (id == tree.find("Panel1") || !tree.showing(id) || unprinted(tree, id)) continue;
      if (control.kind == ControlKind::GroupBox || control.kind == ControlKind::Panel ||
          control.kind == ControlKind::RadioGroup)
        checkFrame(id);
    }
    for (ControlId id = 0; id < static_cast<ControlId>(tree.size()) && !stopped_; ++id) {
      const Control& control = tree.at(id);
      if (control.kind == ControlKind::RichEdit && tree.showing(id) && !unprinted(tree, id))
        checkZone(control);
    }
    return count_;
  }

 private:
  Language language() const { return sheet_.state.language; }

  void checkFrame(ControlId id) {
    const Control& frame = sheet_.tree.at(id);
    const int bottom = cvSheetOrigin(sheet_.tree, id).y + frame.height;
    if (k_ * bottom <= pageHeight_) return;
    report(catalogue::text(language(), messageFrameTooHigh) + frame.hint +
           catalogue::text(language(), messageFrameTooHighEnd));
  }

  void checkZone(const Control& zone) {
    const double zoneWidth = k_ * zone.width;
    for (const Paragraph& paragraph : zone.richText.paragraphs()) {
      if (stopped_) return;
      const std::string line = measuredLine(paragraph);
      const int width = canvas_.measureText(line, cvLineFont(paragraph, zone.font)).width;
      if (lineWidthAllowance * width <= zoneWidth) continue;
      report(catalogue::text(language(), messageLineTooWide) + zone.hint +
             catalogue::text(language(), messageLineTooWideEnd) + '\r' + line);
    }
  }

  void report(const std::string& text) {
    ++count_;
    if (prompter_.show(MessageKind::Warning, text, Buttons::OkAbort) == Answer::Abort) stopped_ = true;
  }

  const CvSheet& sheet_;
  Canvas& canvas_;
  Prompter& prompter_;
  double k_;
  int pageHeight_;
  int count_ = 0;
  bool stopped_ = false;
};

}  // namespace

CvOrientation cvOrientation(const CvSheet& sheet) {
  switch (sheet["ComboBox1"].itemIndex) {
    case horizontalItem:
      return CvOrientation::Horizontal;
    case verticalItem:
      return CvOrientation::Vertical;
    default:
      return CvOrientation::Unset;
  }
}

int cvNumberPerPage(const CvSheet& sheet) { return std::max(sheet["ComboBox2"].itemIndex + 1, 0); }

void chooseCvOrientation(CvSheet& sheet, int itemIndex) {
  Control& orientation = sheet["ComboBox1"];
  if (itemIndex < 0 || itemIndex >= static_cast<int>(orientation.items.size())) return;
  orientation.itemIndex = itemIndex;
  orientation.text = orientation.items[static_cast<std::size_t>(itemIndex)];
  Control& numbers = sheet["ComboBox2"];
  numbers.items = itemIndex == horizontalItem ? std::vector<std::string>{"1", "2", "3"}
                                              : std::vector<std::string>{"1", "2"};
  numbers.itemIndex = -1;
  numbers.text = numbers.items.back();
  numbers.enabled = true;
  sheet["Label9"].text = catalogue::text(sheet.state.language, messageNumberPerPage);
}

void chooseCvNumberPerPage(CvSheet& sheet, int itemIndex) {
  Control& numbers = sheet["ComboBox2"];
  if (itemIndex < 0 || itemIndex >= static_cast<int>(numbers.items.size())) return;
  numbers.itemIndex = itemIndex;
  numbers.text = numbers.items[static_cast<std::size_t>(itemIndex)];
}

CvElementFilter cvElementFilter(const CvSheet& sheet) {
  return [&sheet](const Control& control) {
    const std::optional<int> element = minicv::elementOfControl(control.name);
    return !element || sheet.state.elemstat[static_cast<std::size_t>(*element)] != 0;
  };
}

CvPrintItems cvPrintItems(const CvSheet& sheet, bool printerAudited,
                          const std::optional<CommandStates>& mainWindow) {
  CvPrintItems items;
  items.testPrint = printerAudited;
  items.synchronisation = sheet.state.cvLoaded;
  if (mainWindow) {
    items.printerChoice = mainWindow->printerChoice;
    items.colourPrint = mainWindow->printColour;
    items.blackAndWhitePrint = mainWindow->printBlackWhite;
  }
  return items;
}

void drawCvPrintPage(CvPrintSources& sources, Canvas& canvas, const PrinterMeasurements& printer,
                     PrintMode mode, Prompter& prompter) {
  CvSheet& sheet = sources.sheet;
  const PageMargins margins = computePageMargins(
      printer, printRatios(printer.resolution, sources.screenResolution), sources.screenResolution);
  CvPageSettings settings;
  settings.printer = printer;
  settings.screenResolution = sources.screenResolution;
  settings.extraLeft = margins.leftOffset;
  settings.extraTop = margins.topOffset;
  settings.numberPerPage = cvNumberPerPage(sheet);
  settings.portrait = portraitFor(cvOrientation(sheet));
  settings.printMode = mode;
  settings.showFrames = !sheet.state.hideFrames;
  settings.showSignature = !sheet.state.hideSignature;
  if (sources.dateTime) settings.dateTime = sources.dateTime();
  // The bi- and tri-version print a different CV in each slot: the files of the last multi-load.
  const auto& held = sheet.state.loadedFiles;
  const bool multiLoad =
      std::ranges::count_if(held, [](const std::string& file) { return !file.empty(); }) > 1;
  const CvCopyHook beforeCopy = [&](int copy) {
    const auto slot = static_cast<std::size_t>(copy - 1);
    if (multiLoad && sources.loadCopy && slot < held.size() && !held[slot].empty())
      sources.loadCopy(sheet, held[slot]);
  };
  const CvPageResult result = drawCvPage(sheet.tree, canvas, sources.pictures, sources.screen, settings,
                                         cvElementFilter(sheet), beforeCopy);
  if (result.zoneFirstLineFailed)
    prompter.show(MessageKind::Error, catalogue::text(sheet.state.language, messageNoTextFormatting));
}

std::optional<CvOrientation> askCvPrintOrientation(InputQuery& query, Language language) {
  for (;;) {
    const auto answer = query.ask(catalogue::text(language, messageOrientationTitle),
                                  catalogue::text(language, messageOrientationQuestion), "1");
    if (!answer) return std::nullopt;
    if (answer->starts_with('1')) return CvOrientation::Vertical;
    if (answer->starts_with('2')) return CvOrientation::Horizontal;
  }
}

CvPrintCommands::CvPrintCommands(CvPrintSources& sources, PrintCommands& printing, PrinterService& printers,
                                 Prompter& prompter)
    : sources_(sources), printing_(printing), printers_(printers), prompter_(prompter) {}

void CvPrintCommands::checkPrinters() {
  if (!audited_) audited_ = measurePrinter(printers_, sources_.screenResolution).has_value();
}

PrintOutcome CvPrintCommands::impressioncouleur1Click() { return print(PrintMode::InColour); }

PrintOutcome CvPrintCommands::impressionnoiretblanc1Click() { return print(PrintMode::BlackAndWhite); }

PrintOutcome CvPrintCommands::print(PrintMode mode) {
  const PageOrientation orientation =
      portraitFor(cvOrientation(sources_.sheet)) ? PageOrientation::Portrait : PageOrientation::Landscape;
  // Each page is drawn from the measures of the job's own printer, so a printer changed in the print
  // dialog is measured again before anything is drawn.
  return printing_.printSheet(
      [&](Canvas& canvas, const PrinterMeasurements& printer) {
        audited_ = true;
        drawCvPrintPage(sources_, canvas, printer, mode, prompter_);
      },
      orientation, mode);
}

PrintOutcome CvPrintCommands::Imprimer1Click(InputQuery& query) {
  const auto orientation = askCvPrintOrientation(query, sources_.sheet.state.language);
  if (!orientation) return {.cancelled = true};
  chooseCvOrientation(sources_.sheet,
                      *orientation == CvOrientation::Vertical ? verticalItem : horizontalItem);
  return impressioncouleur1Click();
}

CvTestPrintReport CvPrintCommands::impression1Click(int printerIndex) {
  CvSheet& sheet = sources_.sheet;
  CvTestPrintReport report;
  const CvOrientation orientation = cvOrientation(sheet);
  const int n = measuredNumberPerPage(sheet);
  const auto job = printers_.startJob(
      {portraitFor(orientation) ? PageOrientation::Portrait : PageOrientation::Landscape, testPrintTitle});
  if (!job) return report;
  report.ran = true;
  const PrinterMeasurements printer = job->measurements();
  const PageMargins margins = computePageMargins(
      printer, printRatios(printer.resolution, sources_.screenResolution), sources_.screenResolution);
  const double k = static_cast<double>(printer.pageWidth) / (n * cvSlotWidth + margins.leftOffset);
  // The frames are laid out for the printer's fonts on a copy: a test leaves the editor's sheet as it was.
  CvSheet measured = sheet;
  PrinterSheetMetrics metrics(job->canvas(), k);
  minicv::relayoutForFormFont(measured, metrics);
  report.outOfBounds = SheetMeasuring(measured, job->canvas(), prompter_, k, printer.pageHeight).run();
  job->abort();

  const Language language = sheet.state.language;
  const std::array<std::string, 5> values = {
      "", orientation == CvOrientation::Vertical ? "vertical" : "horizontal", std::to_string(n),
      std::to_string(printerIndex), std::to_string(report.outOfBounds)};
  std::string text;
  for (std::size_t i = 0; i < messagesReport.size(); ++i) {
    report.reportLines.push_back(catalogue::text(language, messagesReport[i]) + values[i]);
    text += (i == 0 ? "" : "\n") + report.reportLines.back();
  }
  prompter_.show(MessageKind::Information, text);
  return report;
}

}  // namespace orvane
