#include "qt/card_sheet_pdf.h"

#include <QDateTime>
#include <QPrinter>

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
  const SheetPage onePage = [&](Canvas& canvas, const SheetSettings& settings) {
    drawCardSheet(context, canvas, settings);
    return false;
  };
  return writeCardSheetsPdf(context, sheet, onePage, failure);
}

std::optional<std::string> writeCardSheetsPdf(RenderContext& context, const CardSheetPdf& sheet,
                                              const SheetPage& drawPage, const DrawingFailure& failure) {
  StagedFile staged(nativePath(sheet.output));
  if (staged.path().empty()) return "cannot write " + staged.commit().error;
  {
    const auto printer =
        makePdfPrinter(toQString(utf8Path(staged.path())), sheet.dpi,
                       pageOrientation(context.card, sheet.stock), pageSizeOf(sheet.stock.paper));
    SheetSettings settings;
    settings.printer = measurePrinter(*printer);
    settings.screenResolution = sheet.screenResolution;
    settings.printMode = sheet.printMode;
    settings.testPrint = sheet.testPrint;
    settings.cardColourChosen = sheet.cardColourChosen;
    settings.frameColourChosen = sheet.frameColourChosen;
    settings.stock = sheet.stock;
    settings.calibration = sheet.calibration;
    settings.dateTime = sheetDateTime(QDateTime::currentDateTime());
    QPainterCanvas canvas(*printer);
    if (!canvas.painter().isActive()) return "cannot write " + sheet.output;
    while (drawPage(canvas, settings))
      if (!printer->newPage()) return "cannot write " + sheet.output;
    if (!canvas.painter().end() || printer->printerState() == QPrinter::Error)
      return "cannot write " + sheet.output;
  }
  if (const auto refused = failure ? failure() : std::nullopt) return refused;
  return commitPdf(staged, sheet.output);
}

}  // namespace orvane
