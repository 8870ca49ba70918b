// One confirmed value in a frame list: the frame geometry rule on the card model, then the redraw of
// the card window's decorations that follows it (pattern, icon and frames on the card's picture).
#include <QGuiApplication>
#include <QImage>

#include "card/card_model.h"
#include "card/frame_controls.h"
#include "gui_bench.h"
#include "qt/qt_painter_canvas.h"
#include "qt/qt_picture_service.h"
#include "qt/qt_text.h"
#include "qt/qt_text_metrics.h"
#include "render/card_picture.h"
#include "render/icon_drawing.h"
#include "services/non_interactive_prompter.h"

namespace {

using namespace orvane;

struct BenchCard : RenderedCard {
  BenchCard() {
    setupStartCard(card, 96);
    card.patternFile = ORVANE_TEST_DATA "/render/motif.bmp";
    card.iconFile = ORVANE_TEST_DATA "/render/logo.ico";
    card.frame(1).text = RichText::fromPlainText("Anne Martin\nGraphiste indépendante");
    takeIconFile(card, state, pictures);
  }
};

// Widens frame 1 by one pixel and narrows it back, so that every iteration does the same work.
void frameStepAndRedraw(benchmark::State& run) {
  BenchCard bench;
  int iteration = 0;
  for (auto _ : run) {
    const char* offset = (iteration++ % 2 == 0) ? "largeur + 1" : "largeur -1";
    benchmark::DoNotOptimize(changeFrameGeometry(bench.card, frame1WidthList, offset, bench.language));
    QImage surface(bench.card.cardWidth, bench.card.cardHeight, QImage::Format_ARGB32);
    surface.fill(toQColor(bench.card.cardColor));
    QPainterCanvas canvas(surface);
    drawCardDecorations(bench.context, canvas);
    benchmark::DoNotOptimize(surface.constBits());
  }
  if (!bench.prompter.shown.empty()) run.SkipWithError(bench.prompter.shown.front().text.c_str());
}
BENCHMARK(frameStepAndRedraw)->Unit(benchmark::kMicrosecond);

void frameStepOnly(benchmark::State& run) {
  BenchCard bench;
  int iteration = 0;
  for (auto _ : run) {
    const char* offset = (iteration++ % 2 == 0) ? "largeur + 1" : "largeur -1";
    benchmark::DoNotOptimize(changeFrameGeometry(bench.card, frame1WidthList, offset, bench.language));
  }
}
BENCHMARK(frameStepOnly)->Unit(benchmark::kNanosecond);

}  // namespace

ORVANE_GUI_BENCHMARK_MAIN()
