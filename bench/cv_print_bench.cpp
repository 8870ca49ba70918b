// Printing a mini-CV: one landscape page of three copies into a 600 dpi PDF through the PDF printer,
// the sheet's four zones holding eleven lines each.
#include <QTemporaryDir>

#include "cv_zone_lines.h"
#include "gui_bench.h"
#include "minicv/cv_sheet.h"
#include "qt/qt_printer_service.h"
#include "qt/qt_text.h"
#include "shell/cv_print_commands.h"

namespace {

using namespace orvane;

void OnePageToPdf(benchmark::State& state) {
  minicv::CvSheet sheet;
  sheet.open(false);
  for (int zone = 1; zone <= 4; ++zone) sheet["REdit" + std::to_string(zone)].richText = elevenZoneLines();
  sheet["Edit1"].text = "Élise";
  sheet["Edit2"].text = "MARTIN";
  NonInteractivePrompter prompter;
  QtPictureService pictures;
  QtTextMetrics metrics;
  CvPrintSources sources{sheet, pictures, metrics, 96, [] { return std::string("07/12/2026 13:00:00"); }, {}};
  const QTemporaryDir folder;
  QtPrinterService printers;
  printers.selectPrinter(std::string(QtPrinterService::pdfPrefix) + toStdString(folder.filePath("cv.pdf")));
  for (auto _ : state) {
    const auto job = printers.startJob({PageOrientation::Landscape, "impression"});
    drawCvPrintPage(sources, job->canvas(), job->measurements(), PrintMode::InColour, prompter);
    if (job->finish()) state.SkipWithError("the PDF printer refused the page");
  }
}
BENCHMARK(OnePageToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

ORVANE_GUI_BENCHMARK_MAIN()
