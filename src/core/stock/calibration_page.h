#pragma once
// The calibration page: what a user prints, without any calibration, to measure how a printer shifts
// and stretches its pages. Crosses 20 mm from each corner of the paper and one at its centre, a
// horizontal and a vertical ruler of 150 mm with a tick each millimetre, the printer's name and the
// date, and what to measure.

#include <string>

#include "catalogue/language.h"
#include "render/canvas.h"
#include "services/printer_service.h"
#include "stock/card_stock.h"

namespace orvane {

/// Where the page puts its marks, in millimetres from the paper's corner.
struct CalibrationLayout {
  std::vector<PointMm> crosses;  // top left, top right, bottom left, bottom right, centre
  PointMm horizontalRuler;       // the left end of the horizontal ruler's edge
  PointMm verticalRuler;         // the top end of the vertical ruler's edge
};

CalibrationLayout calibrationLayout(const SizeMm& paper);

/// Draws the page on `canvas`, a page of `printer` on `paper`.
bool drawCalibrationPage(Canvas& canvas, const PrinterMeasurements& printer, const SizeMm& paper,
                         const std::string& printerName, const std::string& dateTime, Language language);

}  // namespace orvane
