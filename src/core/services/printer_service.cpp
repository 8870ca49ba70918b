#include "services/printer_service.h"

#include "text/rounding.h"

namespace orvane {

namespace {
constexpr double a4WidthMm = 210;
constexpr double a4HeightMm = 297;
}  // namespace

PrinterMeasurements PrinterMeasurements::a4(int dpi, int offset) {
  PrinterMeasurements measures;
  measures.resolution = {dpi, dpi};
  measures.paperWidth = roundToInt(a4WidthMm * dpi / 25.4);
  measures.paperHeight = roundToInt(a4HeightMm * dpi / 25.4);
  measures.offsetX = offset;
  measures.offsetY = offset;
  measures.pageWidth = measures.paperWidth - 2 * offset;
  measures.pageHeight = measures.paperHeight - 2 * offset;
  measures.printableWidthMm = roundToInt(measures.pageWidth * 25.4 / dpi);
  measures.printableHeightMm = roundToInt(measures.pageHeight * 25.4 / dpi);
  return measures;
}

}  // namespace orvane
