#pragma once
#include "services/printer_service.h"

class QPrinter;

namespace orvane {

/// The system's printers as the print system reports them.
class QtPrinterService : public PrinterService {
 public:
  std::optional<PrinterResolution> currentResolution() override;
  int installedPrinterCount() override;
  std::optional<PrinterMeasurements> currentMeasurements() override;
};

/// The device values of `printer` with its current page layout.
PrinterMeasurements measurePrinter(const QPrinter& printer);

}  // namespace orvane
