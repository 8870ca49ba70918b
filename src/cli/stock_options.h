#pragma once
// The card-stock and calibration options card-sheet, card-print and card-calibration share:
// --template ID, --offset-x MM, --offset-y MM, --scale PCT.

#include <optional>
#include <string>

#include "cli/commands.h"
#include "stock/card_stock.h"
#include "stock/printer_calibration.h"

namespace orvane::cli {

struct StockOptions {
  std::string templateId{orvaneSheetId};
  std::optional<double> offsetX;
  std::optional<double> offsetY;
  std::optional<double> scale;

  /// Takes the option at `args[i]` and its value, moving `i` past them; false when it is none of
  /// them. `problem` tells what is wrong with a value.
  bool take(const Arguments& args, std::size_t& i, std::optional<std::string>& problem);
  /// The stored calibration `stored` with the options given put in its place.
  PrinterCalibration calibration(const PrinterCalibration& stored = {}) const;
};

/// The template of id `id` (the program's templates, the user's and the system's), or the line that
/// says there is none.
std::optional<std::string> findCardStock(const std::string& id, CardStock& stock);

}  // namespace orvane::cli
