// The converter at sizes far beyond a form's: a button tens of thousands of pixels wide (its caption
// is padded with blanks up to the button's width), tens of thousands of labels brought in step with
// their elements, and one panel of 30,000 by 30,000 pixels, whose peak memory is reported as well.
#include <sys/resource.h>

#include "form/control_tree.h"
#include "gui_bench.h"
#include "html/form2html.h"

namespace orvane {
namespace {

using minicv::ControlKind;

struct Form {
  Form() {
    minicv::Control window;
    window.kind = ControlKind::Window;
    window.name = "Form1";
    owner = tree.add(window);
  }
  minicv::ControlId add(ControlKind kind, std::string name, int left, int top, int width, int height,
                        minicv::ControlId parent) {
    minicv::Control control;
    control.kind = kind;
    control.name = std::move(name);
    control.parent = parent;
    control.left = left;
    control.top = top;
    control.width = width;
    control.height = height;
    control.text = "OK";
    return tree.add(std::move(control));
  }
  minicv::ControlTree tree;
  minicv::ControlId owner;
  QtTextMetrics metrics;
  NonInteractivePrompter prompter;
};

void BM_FormHtmlWideButton(benchmark::State& state) {
  Form form;
  form.add(ControlKind::Button, "Button1", 0, 0, static_cast<int>(state.range(0)), 25, form.owner);
  html::TWHForm2HTML converter(form.tree, form.owner, form.metrics, form.prompter);
  for (auto _ : state) benchmark::DoNotOptimize(converter.Render());
}

void BM_FormHtmlTreeSynchronisation(benchmark::State& state) {
  Form form;
  for (int i = 0; i < state.range(0); ++i)
    form.add(ControlKind::Label, "Label" + std::to_string(i), 0, 20 * i, 40, 13, form.owner);
  html::TWHForm2HTML converter(form.tree, form.owner, form.metrics, form.prompter);
  for (auto _ : state) converter.Prepare();
}

void BM_FormHtmlHugePanel(benchmark::State& state) {
  Form form;
  const minicv::ControlId panel = form.add(ControlKind::Panel, "Panel1", 0, 0, 30000, 30000, form.owner);
  form.add(ControlKind::Edit, "Edit1", 100, 100, 150, 21, panel);
  form.add(ControlKind::Label, "Label1", 29000, 29000, 40, 13, panel);
  html::TWHForm2HTML converter(form.tree, form.owner, form.metrics, form.prompter);
  for (auto _ : state) benchmark::DoNotOptimize(converter.Render());
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

BENCHMARK(BM_FormHtmlWideButton)->Arg(20000)->Arg(50000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormHtmlTreeSynchronisation)->Arg(10000)->Arg(60000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormHtmlHugePanel)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane

ORVANE_GUI_BENCHMARK_MAIN()
