// The mini-CV file: loading a CV whose four zones hold eleven lines each (parameter file, zone files
// through their working copies, the element switches and the re-layout), and saving it again.
#include "cv_zone_lines.h"
#include "gui_bench.h"
#include "minicv/cv_file_load.h"
#include "minicv/cv_file_save.h"
#include "minicv/zone_layout.h"
#include "text/file_path.h"
#include "text/scratch_folder.h"

namespace {

using namespace orvane;
using namespace orvane::minicv;

struct CvFiles {
  ScratchFolder folder{"orvane-bench-"};
  NonInteractivePrompter prompter;
  QtTextMetrics metrics;
  QtPictureService pictures;
  CompanionFiles companions{prompter, Language::French};
  std::string path = folder.file("cv.ov4");

  CvFiles() {
    companions.workingCopyFolder = utf8Path(folder.path());
    CvSheet sheet;
    sheet.open(false);
    for (int zone = 1; zone <= zoneCount; ++zone) setZoneText(sheet, zone, elevenZoneLines());
    writeCvFile(sheet, path, "cv", companions, prompter);
  }
};

void loadCvWithFourFullZones(benchmark::State& run) {
  CvFiles files;
  for (auto _ : run) {
    run.PauseTiming();
    CvSheet sheet;
    sheet.open(false);
    CvFileSession session;
    run.ResumeTiming();
    const bool loaded = loadCvFile(sheet, session, files.path, CvReportMode::Silent,
                                   {files.companions, files.prompter, files.metrics, files.pictures});
    if (!loaded) run.SkipWithError("the CV did not load");
    benchmark::DoNotOptimize(sheet.window().height);
  }
}

void saveCvWithFourFullZones(benchmark::State& run) {
  CvFiles files;
  CvSheet sheet;
  sheet.open(false);
  CvFileSession session;
  loadCvFile(sheet, session, files.path, CvReportMode::Silent,
             {files.companions, files.prompter, files.metrics, files.pictures});
  for (auto _ : run) {
    if (!writeCvFile(sheet, files.path, "cv", files.companions, files.prompter))
      run.SkipWithError("the CV was not written");
  }
}

}  // namespace

BENCHMARK(loadCvWithFourFullZones)->Unit(benchmark::kMicrosecond);
BENCHMARK(saveCvWithFourFullZones)->Unit(benchmark::kMicrosecond);
ORVANE_GUI_BENCHMARK_MAIN();
