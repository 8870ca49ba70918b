// Throughput of the RTF reader and writer on a generated document of about 10 MB of RTF.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

namespace orvane {
namespace {

constexpr int kParagraphs = 40000;

// Paragraphs of a few runs in varied fonts, sizes, styles and colours, with accents, a tab and
// characters outside Windows-1252, so that every kind of escape is written and read.
const RichText& largeDocument() {
  static const RichText document = [] {
    const std::array<const char*, 3> fonts{"Arial", "Times New Roman", "Arial Narrow"};
    const std::array<const char*, 4> texts{"Ingénieur développement, ", "Tél. 01 23 45 67 89\t",
                                           "Cœur d'œuvre — “qualité” € ", "日本語 ✓ {braces} \\ "};
    RichText text;
    text.paragraphs().clear();
    for (int i = 0; i < kParagraphs; ++i) {
      Paragraph paragraph;
      paragraph.alignment = static_cast<ParagraphAlignment>(i % 4);
      for (int run = 0; run < 4; ++run) {
        FontSpec format;
        format.name = fonts[static_cast<std::size_t>((i + run) % 3)];
        format.size = static_cast<std::int16_t>(8 + (i + run) % 10);
        format.style.bold = run == 1;
        format.style.italic = run == 2 && i % 2 == 0;
        format.colour = static_cast<Colour>((i % 7) * 0x203040);
        appendRun(paragraph.runs, {texts[static_cast<std::size_t>(run)], format});
      }
      text.paragraphs().push_back(std::move(paragraph));
    }
    return text;
  }();
  return document;
}

void readLargeDocument(benchmark::State& state) {
  const std::string rtf = writeRtf(largeDocument());
  for (auto _ : state) benchmark::DoNotOptimize(readRtf(rtf));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(rtf.size()));
  state.counters["rtf_bytes"] = static_cast<double>(rtf.size());
}

void writeLargeDocument(benchmark::State& state) {
  const RichText& document = largeDocument();
  std::size_t written = 0;
  for (auto _ : state) {
    const std::string rtf = writeRtf(document);
    written = rtf.size();
    benchmark::DoNotOptimize(rtf.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(written));
  state.counters["rtf_bytes"] = static_cast<double>(written);
}

BENCHMARK(readLargeDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(writeLargeDocument)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane

BENCHMARK_MAIN();
