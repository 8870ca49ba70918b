#pragma once
// What the program asks of the system's printers.

#include <memory>
#include <optional>
#include <string>

#include "graphics/geometry.h"

namespace orvane {

class Canvas;

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
  int offsetX = 0;            // dots between the paper's left edge and the printable area
  int offsetY = 0;            // dots between the paper's top edge and the printable area
  int blendCapabilities = 0;  // shown in the printer report only

  double offsetXMm() const { return millimetres(offsetX, resolution.horizontal); }
  double offsetYMm() const { return millimetres(offsetY, resolution.vertical); }

  /// An A4 portrait sheet at `dpi` in both directions, printable up to `offset` dots from each edge.
  static PrinterMeasurements a4(int dpi, int offset = 0);

 private:
  static double millimetres(int dots, int dpi) { return dpi > 0 ? dots * 25.4 / dpi : 0.0; }
};

enum class PageOrientation { Portrait, Landscape };

/// What a document asks of the printer besides its pages: A4 paper unless a card stock says otherwise.
struct JobSettings {
  PageOrientation orientation = PageOrientation::Portrait;
  std::string title;       // the document's name in the printer's queue
  bool colour = true;      // false prints in shades of grey
  SizeMm paper = a4Paper;  // as it lies in portrait
};

/// Whether a face name prints in the font it names (or one of the same widths).
enum class PrinterFont { Outline, Substituted, CannotEnumerate };

/// A document on its way to the printer: pages drawn one after the other on its canvas.
class PrintJob {
 public:
  virtual ~PrintJob() = default;
  virtual Canvas& canvas() = 0;
  /// The device values of the job's pages, in the orientation it was started with.
  virtual PrinterMeasurements measurements() = 0;
  /// Ends the page drawn and starts the next one; false when the printer refused it.
  virtual bool newPage() = 0;
  /// Ends the document and hands it to the printer, then asks how the printer took it: why it refused
  /// or abandoned the document, or nothing when it holds it.
  virtual std::optional<std::string> finish() = 0;
  /// Drops the document: nothing reaches the printer.
  virtual void abort() = 0;
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
  /// Starts a document of one copy on the current printer, or nothing when it cannot.
  virtual std::unique_ptr<PrintJob> startJob(const JobSettings& settings) = 0;
  /// How the current printer's pages render the face `name`.
  virtual PrinterFont printerFont(const std::string& name) = 0;
  /// The current system printer's name, by which its calibration is kept; empty for a printer that
  /// writes a file.
  virtual std::string currentPrinterName() { return {}; }
};

}  // namespace orvane
