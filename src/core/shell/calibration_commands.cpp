#include "shell/calibration_commands.h"

#include "catalogue/catalogue.h"
#include "settings/settings.h"

namespace orvane {

namespace {

constexpr int messageNoPrinter = 1131;
constexpr int messageOutOfLimits = 1255;
constexpr int messageStored = 1259;

}  // namespace

std::optional<PrinterCalibration> calibratePrinter(const CalibrationMeasures& measures,
                                                   PrinterService& printers, SettingsStore& store,
                                                   Prompter& prompter, Language language) {
  const std::string printer = printers.currentPrinterName();
  if (printer.empty()) {
    prompter.show(MessageKind::Warning, catalogue::text(language, messageNoPrinter));
    return std::nullopt;
  }
  const std::optional<PrinterCalibration> calibration = calibrationFromMeasures(measures);
  if (!calibration || !calibration->isWithinLimits()) {
    prompter.show(MessageKind::Error, catalogue::text(language, messageOutOfLimits));
    return std::nullopt;
  }
  if (!writeCalibration(store, printer, *calibration)) {
    prompter.show(MessageKind::Error, std::string(settingWriteRefused));
    return std::nullopt;
  }
  prompter.show(MessageKind::Information,
                catalogue::text(language, messageStored) + calibrationText(*calibration));
  return calibration;
}

}  // namespace orvane
