#include "qt/qt_printer_service.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace orvane {

std::optional<PrinterResolution> QtPrinterService::currentResolution() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return std::nullopt;
  QPrinter printer(info, QPrinter::HighResolution);
  return PrinterResolution{printer.logicalDpiX(), printer.logicalDpiY()};
}

int QtPrinterService::installedPrinterCount() {
  return static_cast<int>(QPrinterInfo::availablePrinters().size());
}

}  // namespace orvane
