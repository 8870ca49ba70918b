#pragma once
// The print menu's calibration commands: the measures taken on the calibration page turned into the
// current printer's calibration and kept in the settings.

#include <optional>

#include "catalogue/language.h"
#include "services/printer_service.h"
#include "services/prompter.h"
#include "services/settings_store.h"
#include "stock/printer_calibration.h"

namespace orvane {

/// Stores the calibration `measures` call for under the current printer's name and shows it (message
/// 1259); a calibration beyond the limits is refused (message 1255) and one without a printer to keep
/// it for too (message 1131). Returns what was stored.
std::optional<PrinterCalibration> calibratePrinter(const CalibrationMeasures& measures,
                                                   PrinterService& printers, SettingsStore& store,
                                                   Prompter& prompter, Language language);

}  // namespace orvane
