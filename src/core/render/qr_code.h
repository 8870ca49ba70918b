#pragma once
// A QR code symbol as a square of modules, without its quiet zone.

#include <cstdint>
#include <vector>

namespace orvane {

struct QrCode {
  int width = 0;                      // modules on a side
  std::vector<std::uint8_t> modules;  // row by row, 1 for a dark module
  bool isDark(int x, int y) const { return modules[static_cast<std::size_t>(y * width + x)] != 0; }
};

}  // namespace orvane
