#pragma once
// What the drawing benchmarks share: a card with the renderer and services a card window holds, and
// a main that runs the benchmarks inside an offscreen GUI application (fonts and images need one).
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "card/card_model.h"
#include "qt/qt_picture_service.h"
#include "qt/qt_text_metrics.h"
#include "render/render_context.h"
#include "services/non_interactive_prompter.h"

namespace orvane {

struct RenderedCard {
  CardModel card;
  RendererState state;
  NonInteractivePrompter prompter;
  QtPictureService pictures;
  QtTextMetrics metrics;
  Language language = Language::French;
  RenderContext context{card, state, prompter, pictures, metrics, language};
};

}  // namespace orvane

#define ORVANE_GUI_BENCHMARK_MAIN()                        \
  int main(int argc, char** argv) {                        \
    qputenv("QT_QPA_PLATFORM", "offscreen");               \
    int guiArguments = 1;                                  \
    const QGuiApplication application(guiArguments, argv); \
    benchmark::Initialize(&argc, argv);                    \
    benchmark::RunSpecifiedBenchmarks();                   \
    benchmark::Shutdown();                                 \
    return 0;                                              \
  }
