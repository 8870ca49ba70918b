#pragma once
// What the program asks of the system's printers.

#include <optional>

namespace orvane {

struct PrinterResolution {
  int horizontal = 0;  // dots per inch
  int vertical = 0;
};

class PrinterService {
 public:
  virtual ~PrinterService() = default;
  /// The resolution of the current printer, or nothing when no printer can be asked.
  virtual std::optional<PrinterResolution> currentResolution() = 0;
  /// How many printers are installed.
  virtual int installedPrinterCount() = 0;
};

}  // namespace orvane
