// The mini-CV sheet's two hot rules: one element switch with the full re-layout it starts (contact
// rows, zone stacking, the height rule and the window), and the "ok" check of four full zones.
#include <benchmark/benchmark.h>

#include "cv_zone_lines.h"
#include "minicv/element_switching.h"
#include "minicv/element_table.h"
#include "minicv/zone_check.h"
#include "minicv/zone_layout.h"
#include "services/non_interactive_prompter.h"

namespace {

using namespace orvane;
using namespace orvane::minicv;

// Switches an element off and back on, so that every iteration does the same work; the zone switch
// restacks the zones and runs the height rule, the telephone switch the contact rows.
void elementSwitchWithRelayout(benchmark::State& run, int element) {
  CvSheet sheet;
  sheet.open(false);
  for (int zone = 1; zone <= zoneCount; ++zone) setZoneText(sheet, zone, elevenZoneLines());
  for (auto _ : run) {
    switchElement(sheet, element, 0);
    switchElement(sheet, element, 1);
    benchmark::DoNotOptimize(sheet.window().height);
  }
  run.SetItemsProcessed(run.iterations() * 2);
}

void zoneCheckOfFourFullZones(benchmark::State& run) {
  CvSheet sheet;
  sheet.open(false);
  for (int zone = 1; zone <= zoneCount; ++zone) sheet[zoneNames(zone).text].richText = elevenZoneLines();
  NonInteractivePrompter prompter;
  for (auto _ : run) benchmark::DoNotOptimize(checkZones(sheet, prompter));
}

}  // namespace

BENCHMARK_CAPTURE(elementSwitchWithRelayout, zone2, zone2Element);
BENCHMARK_CAPTURE(elementSwitchWithRelayout, fixedTelephone, fixedPhoneElement);
BENCHMARK(zoneCheckOfFourFullZones);
BENCHMARK_MAIN();
