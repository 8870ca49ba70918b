// Converting a large form: 500 controls of every field kind on a window of 2000 by 2000 pixels, a grid
// of 250,000 cells of 4 pixels. Once with the controls in rows and columns, once with every control on
// a column and a row of its own, which gives the table as many merged columns and rows as controls.
#include "form/control_tree.h"
#include "gui_bench.h"
#include "html/form2html.h"

namespace orvane {
namespace {

using minicv::ControlKind;

struct LargeForm {
  explicit LargeForm(bool staggered) {
    minicv::Control window;
    window.kind = ControlKind::Window;
    window.name = "Form1";
    window.text = "Form";
    window.width = 2000;
    window.height = 2000;
    const minicv::ControlId owner = tree.add(window);
    const ControlKind kinds[] = {ControlKind::Label,    ControlKind::Edit,   ControlKind::CheckBox,
                                 ControlKind::ComboBox, ControlKind::Button, ControlKind::RadioButton};
    for (int i = 0; i < 500; ++i) {
      minicv::Control control;
      control.kind = kinds[i % 6];
      control.name = "Control" + std::to_string(i);
      control.parent = owner;
      control.left = staggered ? (i * 37) % 1900 : (i % 20) * 100;
      control.top = staggered ? i * 3 + (i % 7) : (i / 20) * 80;
      control.width = 80;
      control.height = 21;
      control.text = "Texte " + std::to_string(i);
      control.items = {"Paris=75", "Lyon=69", "Marseille=13"};
      tree.add(std::move(control));
    }
  }
  minicv::ControlTree tree;
  QtTextMetrics metrics;
  NonInteractivePrompter prompter;
};

void convert(benchmark::State& state, bool staggered) {
  LargeForm form(staggered);
  html::TWHForm2HTML converter(form.tree, 0, form.metrics, form.prompter);
  for (auto _ : state) {
    form.prompter.shown.clear();
    benchmark::DoNotOptimize(converter.Render());
  }
}

void BM_FormHtml500ControlsInRows(benchmark::State& state) { convert(state, false); }
void BM_FormHtml500ControlsStaggered(benchmark::State& state) { convert(state, true); }
BENCHMARK(BM_FormHtml500ControlsInRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormHtml500ControlsStaggered)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane

ORVANE_GUI_BENCHMARK_MAIN()
