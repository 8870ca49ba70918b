// Throughput of the RTF reader and writer on a generated document of about 10 MB of RTF, and the
// reader's peak of heap memory as a multiple of its input.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

namespace {

// Heap bytes in use, and the most in use since the last reset; counted by the allocation functions
// below as the C library sizes each block.
std::atomic<std::size_t> heapInUse{0};
std::atomic<std::size_t> heapPeak{0};

void countAllocation(void* block) {
  const std::size_t inUse = heapInUse += malloc_usable_size(block);
  std::size_t peak = heapPeak;
  while (inUse > peak && !heapPeak.compare_exchange_weak(peak, inUse)) {
  }
}

}  // namespace

void* operator new(std::size_t size) {
  void* block = std::malloc(std::max<std::size_t>(size, 1));
  if (block == nullptr) throw std::bad_alloc();
  countAllocation(block);
  return block;
}

void operator delete(void* block) noexcept {
  if (block == nullptr) return;
  heapInUse -= malloc_usable_size(block);
  std::free(block);
}

void operator delete(void* block, std::size_t) noexcept { operator delete(block); }

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
  std::size_t peak = 0;
  for (auto _ : state) {
    const std::size_t before = heapInUse;
    heapPeak = before;
    benchmark::DoNotOptimize(readRtf(rtf));
    peak = std::max(peak, heapPeak - before);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(rtf.size()));
  state.counters["rtf_bytes"] = static_cast<double>(rtf.size());
  // What reading takes beyond the input itself, the document read included.
  state.counters["peak_heap_per_input_byte"] = static_cast<double>(peak) / static_cast<double>(rtf.size());
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
