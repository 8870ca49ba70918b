// The mini-CV's page: the sheet filled in, converted as "exporter" does it (enlarged, converted, shrunk
// back), once to text only and once written to a file.
#include <filesystem>

#include "gui_bench.h"
#include "minicv/cv_html_export.h"
#include "minicv/cv_sheet.h"
#include "text/file_path.h"
#include "text/scratch_folder.h"

namespace orvane {
namespace {

struct FilledCv {
  FilledCv() {
    sheet.open(false);
    for (const char* name :
         {"Edit1", "Edit2", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9", "Edit17"})
      sheet[name].text = "Élise Martin, 12 rue des Lilas";
    sheet["RadioButton2"].checked = true;
    sheet["CheckBox17"].checked = true;
    cv.converter().clock = [] { return std::string("07/12/2026 12:00:00"); };
  }
  minicv::CvSheet sheet;
  QtTextMetrics metrics;
  NonInteractivePrompter prompter;
  minicv::CvHtmlExport cv{sheet, metrics, prompter};
};

void BM_CvPageText(benchmark::State& state) {
  FilledCv filled;
  for (auto _ : state) benchmark::DoNotOptimize(filled.cv.converter().Render());
}

void BM_CvPageExported(benchmark::State& state) {
  FilledCv filled;
  ScratchFolder folder("orvane-bench-");
  const std::string path = utf8Path(folder.path() / "cv.html");
  for (auto _ : state) benchmark::DoNotOptimize(filled.cv.exportTo(path));
}

BENCHMARK(BM_CvPageText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CvPageExported)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane

ORVANE_GUI_BENCHMARK_MAIN()
