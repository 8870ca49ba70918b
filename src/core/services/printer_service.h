#pragma once
// What the program asks of the system's printers.

#include <optional>

namespace orvane {

struct PrinterResolution {
  int horizontal = 0;  // dots per inch
  int vertical = 0;
};

/// A printer's device values. A page drawing's origin is the top-left corner of the printable area.
struct PrinterMeasurements {
  PrinterResolution resolution;
  int printableWidthMm = 0;  // printable area
  int printableHeightMm = 0;
  int pageWidth = 0;  // printable area in dots: the page a drawing may use
  int pageHeight = 0;
  int paperWidth = 0;  // the whole sheet of paper in dots
  int paperHeight = 0;
  int offsetX = 0;  // dots between the paper's left edge and the printable area
  int offsetY = 0;  // dots between the paper's top edge and the printable area

  double offsetXMm() const { return millimetres(offsetX, resolution.horizontal); }
  double offsetYMm() const { return millimetres(offsetY, resolution.vertical); }

  /// An A4 portrait sheet at `dpi` in both directions, printable up to `offset` dots from each edge.
  static PrinterMeasurements a4(int dpi, int offset = 0);

 private:
  static double millimetres(int dots, int dpi) { return dpi > 0 ? dots * 25.4 / dpi : 0.0; }
};

class PrinterService {
 public:
  virtual ~PrinterService() = default;
  /// The resolution of the current printer, or nothing when no printer can be asked.
  virtual std::optional<PrinterResolution> currentResolution() = 0;
  /// How many printers are installed.
  virtual int installedPrinterCount() = 0;
  /// The device values of the current printer, or nothing when no printer can be asked.
  virtual std::optional<PrinterMeasurements> currentMeasurements() = 0;
};

}  // namespace orvane
