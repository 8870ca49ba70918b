#pragma once
// A printer's calibration: how far it shifts its pages and how much it stretches them, measured on the
// calibration page and made good on every sheet printed on it. Kept in the settings by printer name.

#include <optional>
#include <string>

#include "services/settings_store.h"
#include "stock/card_stock.h"

namespace orvane {

struct PrinterCalibration {
  double offsetXMm = 0;  // added to every position across the page, after the scale
  double offsetYMm = 0;
  double scalePercent = 100;  // applied to positions and sizes, from the paper's top-left corner

  bool isNone() const { return offsetXMm == 0 && offsetYMm == 0 && scalePercent == 100; }
  /// Offsets within -10 to 10 mm and a scale within 95 to 105 %.
  bool isWithinLimits() const;
  /// Where a point of the paper, in millimetres from its corner, is to be drawn.
  PointMm apply(const PointMm& point) const;
  bool operator==(const PrinterCalibration&) const = default;
};

inline constexpr double calibrationOffsetLimitMm = 10;
inline constexpr double calibrationLowestScale = 95;
inline constexpr double calibrationHighestScale = 105;

/// What the calibration page, printed without calibration, measured on paper: the distances of its
/// top-left cross from the paper's left and top edges and the lengths of its two rulers.
struct CalibrationMeasures {
  double crossLeftMm = 0;
  double crossTopMm = 0;
  double horizontalRulerMm = 0;
  double verticalRulerMm = 0;
};

/// The calibration page's marks and rulers as the page draws them, and as the user measures them.
inline constexpr double calibrationCrossInsetMm = 20;
inline constexpr double calibrationRulerMm = 150;

/// The calibration that brings the page's marks back where they belong: one scale for both axes (the
/// mean of the rulers' errors), offsets that put the top-left cross back at 20 mm. Nothing when a
/// ruler length is not positive.
std::optional<PrinterCalibration> calibrationFromMeasures(const CalibrationMeasures& measures);

/// The settings value name of `printer`'s calibration.
std::string calibrationSettingName(const std::string& printer);
/// `printer`'s stored calibration; none when nothing valid is stored, and for a file printer (no name).
PrinterCalibration readCalibration(SettingsStore& store, const std::string& printer);
/// Stores `calibration` for `printer`; false when the store refuses it.
bool writeCalibration(SettingsStore& store, const std::string& printer,
                      const PrinterCalibration& calibration);

/// "x ; y ; scale" as the settings and the messages write it: "2 ; -1.5 ; 100.4".
std::string calibrationText(const PrinterCalibration& calibration);

/// The value name of the card stock chosen in the print menu.
inline constexpr const char* stockSettingName = "Feuille de cartes";

}  // namespace orvane
