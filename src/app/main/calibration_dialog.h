#pragma once
// The dialog of "Calibrage de l'imprimante...": the four measures taken on the printed calibration
// page, each starting at the value a faultless printer gives.

#include <optional>

#include "catalogue/language.h"
#include "stock/printer_calibration.h"

class QWidget;

namespace orvane {

/// Asks for the measures over `parent`, worded in `language`; nothing when cancelled.
std::optional<CalibrationMeasures> askCalibrationMeasures(QWidget* parent, Language language);

}  // namespace orvane
