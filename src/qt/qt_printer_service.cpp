#include "qt/qt_printer_service.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "text/rounding.h"

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

std::optional<PrinterMeasurements> QtPrinterService::currentMeasurements() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return std::nullopt;
  const QPrinter printer(info, QPrinter::HighResolution);
  return measurePrinter(printer);
}

PrinterMeasurements measurePrinter(const QPrinter& printer) {
  const QPageLayout layout = printer.pageLayout();
  const int resolution = printer.resolution();
  const QRect paper = layout.fullRectPixels(resolution);
  const QRect printable = layout.paintRectPixels(resolution);
  const QRectF printableMm = layout.paintRect(QPageLayout::Millimeter);
  PrinterMeasurements measures;
  measures.resolution = {printer.logicalDpiX(), printer.logicalDpiY()};
  measures.printableWidthMm = roundToInt(printableMm.width());
  measures.printableHeightMm = roundToInt(printableMm.height());
  measures.pageWidth = printable.width();
  measures.pageHeight = printable.height();
  measures.paperWidth = paper.width();
  measures.paperHeight = paper.height();
  measures.offsetX = printable.left() - paper.left();
  measures.offsetY = printable.top() - paper.top();
  return measures;
}

}  // namespace orvane
