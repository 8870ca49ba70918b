#pragma once
#include "services/printer_service.h"

namespace orvane {

/// The system's printers as the print system reports them.
class QtPrinterService : public PrinterService {
 public:
  std::optional<PrinterResolution> currentResolution() override;
  int installedPrinterCount() override;
};

}  // namespace orvane
