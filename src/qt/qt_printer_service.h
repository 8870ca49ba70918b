#pragma once
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "services/printer_service.h"

class QPrinter;
class QPrinterInfo;

namespace orvane {

/// The system's printers as the print system reports them, and one more that writes a PDF file.
class QtPrinterService : public PrinterService {
 public:
  /// The name that picks the PDF printer, followed by the file it writes: "pdf:" + path.
  static constexpr std::string_view pdfPrefix = "pdf:";

  QtPrinterService();
  ~QtPrinterService() override;

  std::optional<PrinterResolution> currentResolution() override;
  int installedPrinterCount() override;
  std::optional<PrinterMeasurements> currentMeasurements() override;
  /// A system printer's document goes to its queue only once finished, with the job's paper (A4),
  /// orientation and colour mode; its queue is then asked how it took it.
  std::unique_ptr<PrintJob> startJob(const JobSettings& settings) override;
  PrinterFont printerFont(const std::string& name) override;
  std::string currentPrinterName() override;

  /// Makes the system printer `name`, or the PDF printer writing the file after "pdf:" (none when
  /// only measured), the current printer; false when there is no such printer.
  bool selectPrinter(const std::string& name);
  /// The current printer, which the print dialogs set up; null when there is none.
  QPrinter* currentPrinter();
  /// The names of the system's printers, the default one first.
  static std::vector<std::string> systemPrinterNames();

 private:
  /// The system printer `info` set up for the paper of the program's pages.
  static std::unique_ptr<QPrinter> systemPrinter(const QPrinterInfo& info);

  std::unique_ptr<QPrinter> printer_;
  bool defaultTaken_ = false;  // the system's default printer was looked for
};

/// The device values of `printer` with its current page layout.
PrinterMeasurements measurePrinter(const QPrinter& printer);

}  // namespace orvane
