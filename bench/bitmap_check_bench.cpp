// How fast a folder of small bitmaps is checked without writing: listing and reading each file's
// headers, against the floor of opening, reading and closing the same files.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "bitmap/bitmap_check.h"
#include "bitmap/bitmap_commands.h"
#include "text/line_file.h"
#include "text/scratch_folder.h"

namespace orvane {
namespace {

constexpr int folderSize = 10000;

// A 3 x 2, 24-bit bitmap; every third one with a wrong image size, as a folder to check might hold.
std::string smallBitmap(bool valid) {
  std::string bytes = "BM";
  auto put = [&bytes](std::uint32_t value, int size) {
    for (int index = 0; index < size; ++index) bytes += static_cast<char>((value >> (8 * index)) & 0xFF);
  };
  put(78, 4);
  put(0, 4);
  put(54, 4);
  put(40, 4);
  put(3, 4);
  put(2, 4);
  put(1, 2);
  put(24, 2);
  put(0, 4);
  put(valid ? 24 : 0, 4);
  put(0, 16);
  bytes.append(24, '\x7F');
  return bytes;
}

struct BitmapFolder {
  BitmapFolder() {
    for (int index = 0; index < folderSize; ++index)
      writeFileReplacing(scratch.path() / ("image" + std::to_string(index) + ".bmp"),
                         smallBitmap(index % 3 != 0));
  }
  ScratchFolder scratch{"orvane-bench-bmp-"};
};

BitmapFolder& folder() {
  static BitmapFolder made;
  return made;
}

void checkFolderReadOnly(benchmark::State& state) {
  const std::filesystem::path path = folder().scratch.path();
  for (auto _ : state) {
    int valid = 0;
    for (const std::filesystem::path& file : bitmapFilesIn(path))
      valid += inspectBitmapFile(file)->verdict == BitmapVerdict::Valid;
    benchmark::DoNotOptimize(valid);
  }
  state.SetItemsProcessed(state.iterations() * folderSize);
  state.counters["files_per_second"] =
      benchmark::Counter(static_cast<double>(folderSize), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(checkFolderReadOnly)->Unit(benchmark::kMillisecond);

// The floor: the system calls alone, on a list made beforehand.
void openReadCloseFloor(benchmark::State& state) {
  const std::vector<std::filesystem::path> files = bitmapFilesIn(folder().scratch.path());
  for (auto _ : state) {
    char start[54];
    for (const std::filesystem::path& file : files) {
      const int descriptor = ::open(file.c_str(), O_RDONLY);
      benchmark::DoNotOptimize(::read(descriptor, start, sizeof start));
      ::close(descriptor);
    }
  }
  state.counters["files_per_second"] =
      benchmark::Counter(static_cast<double>(folderSize), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(openReadCloseFloor)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvane

BENCHMARK_MAIN();
