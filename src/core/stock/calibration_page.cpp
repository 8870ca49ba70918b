#include "stock/calibration_page.h"

#include "catalogue/catalogue.h"
#include "stock/printer_calibration.h"
#include "stock/stock_layout.h"

namespace orvane {

namespace {

constexpr int messagePageTitle = 1256;
constexpr int messageMeasureCross = 1257;
constexpr int messageMeasureRulers = 1258;
constexpr Colour black = 0x000000;
const FontSpec pageFont{"Arial", 10, {}, black};
const FontSpec scaleFont{"Arial", 7, {}, black};

constexpr double crossArmMm = 8;
constexpr double lineMm = 0.15;
constexpr double tickMm = 2;
constexpr double fiveTickMm = 3.5;
constexpr double tenTickMm = 5;
constexpr double rulerInsetMm = 35;  // from the paper's left and top edges
constexpr double textLeftMm = 45;    // right of the vertical ruler
constexpr double textLineMm = 6;

// Draws lines and texts in millimetres from the paper's corner, whatever the printer's margins.
class PagePen {
 public:
  PagePen(Canvas& canvas, const PrinterMeasurements& printer) : canvas_(canvas), printer_(printer) {}

  // A line of `lineMm` width along `from` to `to`, one of them horizontal or vertical, centred on it.
  bool line(PointMm from, PointMm to) {
    const double half = lineMm / 2;
    const Point topLeft = pageDots({std::min(from.x, to.x) - half, std::min(from.y, to.y) - half}, printer_);
    const Point bottomRight =
        pageDots({std::max(from.x, to.x) + half, std::max(from.y, to.y) + half}, printer_);
    return canvas_.fillRectangle({topLeft.x, topLeft.y, std::max(bottomRight.x, topLeft.x + 1),
                                  std::max(bottomRight.y, topLeft.y + 1)},
                                 black);
  }

  bool cross(PointMm centre) {
    return line({centre.x - crossArmMm, centre.y}, {centre.x + crossArmMm, centre.y}) &&
           line({centre.x, centre.y - crossArmMm}, {centre.x, centre.y + crossArmMm});
  }

  bool text(PointMm topLeft, const std::string& line, const FontSpec& font) {
    const Point at = pageDots(topLeft, printer_);
    const TextSize size = canvas_.measureText(line, font);
    return canvas_.drawTextLine(Rect::fromSize(at.x, at.y, size.width + 1, size.height), line, font,
                                TextAlignment::Left);
  }

 private:
  Canvas& canvas_;
  const PrinterMeasurements& printer_;
};

double tickLength(int millimetre) {
  if (millimetre % 10 == 0) return tenTickMm;
  return millimetre % 5 == 0 ? fiveTickMm : tickMm;
}

bool drawRuler(PagePen& pen, PointMm start, bool horizontal) {
  const int length = static_cast<int>(calibrationRulerMm);
  const PointMm end = horizontal ? PointMm{start.x + length, start.y} : PointMm{start.x, start.y + length};
  bool drawn = pen.line(start, end);
  for (int millimetre = 0; millimetre <= length; ++millimetre) {
    const double tick = tickLength(millimetre);
    const PointMm at =
        horizontal ? PointMm{start.x + millimetre, start.y} : PointMm{start.x, start.y + millimetre};
    drawn = pen.line(at, horizontal ? PointMm{at.x, at.y + tick} : PointMm{at.x + tick, at.y}) && drawn;
    if (millimetre % 10 != 0) continue;
    const PointMm label =
        horizontal ? PointMm{at.x - 1, at.y + tenTickMm + 0.5} : PointMm{at.x + tenTickMm + 1, at.y - 1.5};
    drawn = pen.text(label, std::to_string(millimetre), scaleFont) && drawn;
  }
  return drawn;
}

}  // namespace

CalibrationLayout calibrationLayout(const SizeMm& paper) {
  const double inset = calibrationCrossInsetMm;
  return {{{inset, inset},
           {paper.width - inset, inset},
           {inset, paper.height - inset},
           {paper.width - inset, paper.height - inset},
           {paper.width / 2, paper.height / 2}},
          {rulerInsetMm, paper.height / 2 + 30},
          {rulerInsetMm - 10, rulerInsetMm + 20}};
}

bool drawCalibrationPage(Canvas& canvas, const PrinterMeasurements& printer, const SizeMm& paper,
                         const std::string& printerName, const std::string& dateTime, Language language) {
  PagePen pen(canvas, printer);
  const CalibrationLayout layout = calibrationLayout(paper);
  bool drawn = true;
  for (const PointMm& centre : layout.crosses) drawn = pen.cross(centre) && drawn;
  drawn = drawRuler(pen, layout.horizontalRuler, true) && drawn;
  drawn = drawRuler(pen, layout.verticalRuler, false) && drawn;
  const std::string lines[] = {catalogue::text(language, messagePageTitle) + printerName + " - " + dateTime,
                               catalogue::text(language, messageMeasureCross),
                               catalogue::text(language, messageMeasureRulers)};
  double top = rulerInsetMm;
  for (const std::string& line : lines) {
    drawn = pen.text({textLeftMm, top}, line, pageFont) && drawn;
    top += textLineMm;
  }
  return drawn;
}

}  // namespace orvane
