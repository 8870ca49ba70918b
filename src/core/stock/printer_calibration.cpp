#include "stock/printer_calibration.h"

#include <cmath>

#include "stock/length.h"

namespace orvane {

namespace {

constexpr const char* separator = " ; ";

}  // namespace

bool PrinterCalibration::isWithinLimits() const {
  return std::abs(offsetXMm) <= calibrationOffsetLimitMm && std::abs(offsetYMm) <= calibrationOffsetLimitMm &&
         scalePercent >= calibrationLowestScale && scalePercent <= calibrationHighestScale;
}

PointMm PrinterCalibration::apply(const PointMm& point) const {
  const double scale = scalePercent / 100;
  return {point.x * scale + offsetXMm, point.y * scale + offsetYMm};
}

std::optional<PrinterCalibration> calibrationFromMeasures(const CalibrationMeasures& measures) {
  if (measures.horizontalRulerMm <= 0 || measures.verticalRulerMm <= 0) return std::nullopt;
  // The printer stretches by `printed`: a point drawn at p lands at p x printed + shift. Drawing it
  // at (p - shift) / printed puts it back at p.
  const double printed = (measures.horizontalRulerMm + measures.verticalRulerMm) / (2 * calibrationRulerMm);
  const double shiftX = measures.crossLeftMm - calibrationCrossInsetMm * printed;
  const double shiftY = measures.crossTopMm - calibrationCrossInsetMm * printed;
  PrinterCalibration calibration;
  calibration.scalePercent = std::round(10000 / printed) / 100;
  calibration.offsetXMm = std::round(-shiftX / printed * 100) / 100;
  calibration.offsetYMm = std::round(-shiftY / printed * 100) / 100;
  return calibration;
}

std::string calibrationSettingName(const std::string& printer) { return "Calibrage " + printer; }

PrinterCalibration readCalibration(SettingsStore& store, const std::string& printer) {
  if (printer.empty()) return {};
  const std::optional<std::string> text = store.read(calibrationSettingName(printer));
  if (!text) return {};
  std::optional<double> values[3];
  std::string_view rest = *text;
  for (auto& value : values) {
    const std::size_t end = rest.find(separator);
    value = readDecimal(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 3);
  }
  if (!values[0] || !values[1] || !values[2] || !rest.empty()) return {};
  const PrinterCalibration calibration{*values[0], *values[1], *values[2]};
  return calibration.isWithinLimits() ? calibration : PrinterCalibration{};
}

bool writeCalibration(SettingsStore& store, const std::string& printer,
                      const PrinterCalibration& calibration) {
  return store.write(calibrationSettingName(printer), calibrationText(calibration));
}

std::string calibrationText(const PrinterCalibration& calibration) {
  return decimalText(calibration.offsetXMm) + separator + decimalText(calibration.offsetYMm) + separator +
         decimalText(calibration.scalePercent);
}

}  // namespace orvane
