#include "qt/card_sheet_pdf.h"

#include <QDateTime>
#include <QPrinter>
#include <filesystem>
#include <system_error>

#include "qt/pdf_printer.h"
#include "qt/qt_painter_canvas.h"
#include "qt/qt_printer_service.h"
#include "qt/qt_text.h"
#include "qt/sheet_date_time.h"
#include "text/file_path.h"

namespace orvane {

namespace {

// The sheet of twelve turns with the card; card stock lies as its paper does.
QPageLayout::Orientation pageOrientation(const CardModel& card, const CardStock& stock) {
  const bool landscape = stock.followsCard ? card.orientation == Orientation::Horizontal : stock.landscape();
  return landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

}  // namespace

void drawCardSheetNow(RenderContext& context, Canvas& canvas, SheetSettings settings) {
  settings.dateTime = sheetDateTime(QDateTime::currentDateTime());
  drawCardSheet(context, canvas, settings);
}

std::optional<std::string> writeCardSheetPdf(RenderContext& context, const CardSheetPdf& sheet,
                                             const DrawingFailure& failure) {
  const std::filesystem::path target = nativePath(sheet.output);
  std::filesystem::path partial = target;
  partial += ".part";
  std::error_code error;
  {
    const auto printer =
        makePdfPrinter(toQString(utf8Path(partial)), sheet.dpi, pageOrientation(context.card, sheet.stock),
                       pageSizeOf(sheet.stock.paper));
    SheetSettings settings;
    settings.printer = measurePrinter(*printer);
    settings.screenResolution = sheet.screenResolution;
    settings.printMode = sheet.printMode;
    settings.testPrint = sheet.testPrint;
    settings.cardColourChosen = sheet.cardColourChosen;
    settings.frameColourChosen = sheet.frameColourChosen;
    settings.stock = sheet.stock;
    settings.calibration = sheet.calibration;
    QPainterCanvas canvas(*printer);
    if (!canvas.painter().isActive()) return "cannot write " + sheet.output;
    drawCardSheetNow(context, canvas, settings);
  }
  if (const auto refused = failure ? failure() : std::nullopt) {
    std::filesystem::remove(partial, error);
    return refused;
  }
  std::filesystem::rename(partial, target, error);
  if (error) return "cannot write " + sheet.output + ": " + error.message();
  return std::nullopt;
}

}  // namespace orvane
