// Drawing a card: the printed sheet of twelve cards into a 600 dpi PDF (with short lines, then with a
// paragraph that wraps), and the card window's picture into a PNG. The card has a tiled pattern, an
// icon and two frames of text.
#include <QBuffer>
#include <QGuiApplication>
#include <QPrinter>
#include <QTemporaryDir>

#include "card/card_model.h"
#include "gui_bench.h"
#include "qt/pdf_printer.h"
#include "qt/qt_image.h"
#include "qt/qt_painter_canvas.h"
#include "qt/qt_picture_service.h"
#include "qt/qt_printer_service.h"
#include "qt/qt_text_metrics.h"
#include "render/card_picture.h"
#include "render/card_sheet.h"
#include "render/icon_drawing.h"
#include "services/non_interactive_prompter.h"

namespace {

using namespace orvane;

RichText frameText(const std::vector<std::string>& lines, const FontSpec& header, const FontSpec& body) {
  std::string plain;
  for (const std::string& line : lines) plain += line + "\n";
  plain.pop_back();
  RichText text = RichText::fromPlainText(plain, body);
  text.applyFormat(0, static_cast<int>(lines.front().size()), header);
  return text;
}

void place(FrameModel& frame, int left, int top, int width, int height) {
  frame.frameLeft = left;
  frame.frameTop = top;
  frame.frameWidth = width;
  frame.frameHeight = height;
}

// The card of the benchmarks, with the renderer and services a card window would hold.
struct BenchCard : RenderedCard {
  BenchCard() {
    setupStartCard(card, 96);
    card.cardWidth = 185;
    card.cardHeight = 293;
    card.patternFile = ORVANE_TEST_DATA "/render/motif.bmp";
    card.iconFile = ORVANE_TEST_DATA "/render/logo.ico";
    place(card.frame(1), 30, 40, 150, 80);
    place(card.frame(2), 5, 170, 175, 110);
    const FontSpec header{"Times New Roman", 14, {.bold = true}, 0x800000};
    const FontSpec body{"Arial", 9, {}, 0};
    card.frame(1).text = frameText({"Anne Martin", "Graphiste indépendante"}, header, body);
    card.frame(2).text = frameText({"12 rue des Lilas", "75011 Paris", "anne.martin@exemple.fr"}, body, body);
    card.frame(1).text.setAlignment(ParagraphAlignment::Centre);
    takeIconFile(card, state, pictures);
  }
};

// Prints the sheet of `bench`'s card into a 600 dpi PDF, once per iteration.
void printSheets(benchmark::State& run, BenchCard& bench) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
  for (auto _ : run) {
    const auto printer = makePdfPrinter(path, 600, QPageLayout::Portrait);
    SheetSettings settings;
    settings.printer = measurePrinter(*printer);
    settings.cardColourChosen = true;
    settings.frameColourChosen = {true, true};
    settings.dateTime = "07/12/2026 08:05:19";
    QPainterCanvas canvas(*printer);
    drawCardSheet(bench.context, canvas, settings);
  }
  if (!bench.prompter.shown.empty()) run.SkipWithError(bench.prompter.shown.front().text.c_str());
}

void sheetToPdf(benchmark::State& run) {
  BenchCard bench;
  printSheets(run, bench);
}
BENCHMARK(sheetToPdf)->Unit(benchmark::kMillisecond);

// The same sheet where frame 2 holds a paragraph that wraps over several lines and a tabbed line.
void wrappedSheetToPdf(benchmark::State& run) {
  BenchCard bench;
  const FontSpec body{"Arial", 9, {}, 0};
  bench.card.frame(2).text =
      frameText({"12 rue des Lilas, bâtiment B, troisième étage, porte de gauche au fond "
                 "de la cour pavée",
                 "Tél.\t01 23 45 67 89", "anne.martin@exemple.fr"},
                body, body);
  printSheets(run, bench);
}
BENCHMARK(wrappedSheetToPdf)->Unit(benchmark::kMillisecond);

void cardToPng(benchmark::State& run) {
  BenchCard bench;
  for (auto _ : run) {
    Image picture = drawCardPicture(bench.context);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    wrapImage(picture).save(&png, "PNG");
    benchmark::DoNotOptimize(png.data().size());
  }
  if (!bench.prompter.shown.empty()) run.SkipWithError(bench.prompter.shown.front().text.c_str());
}
BENCHMARK(cardToPng)->Unit(benchmark::kMillisecond);

}  // namespace

ORVANE_GUI_BENCHMARK_MAIN()
