#include "cli/stock_options.h"

#include "qt/card_stock_files.h"
#include "stock/length.h"

namespace orvane::cli {

namespace {

// The value after option `args[i]` within [lowest, highest], or the line that says what it takes.
std::optional<double> boundedValue(const Arguments& args, std::size_t& i, double lowest, double highest,
                                   const std::string& takes, std::optional<std::string>& problem) {
  const std::string& option = args[i];
  const auto value = i + 1 < args.size() ? readDecimal(args[++i]) : std::nullopt;
  if (value && *value >= lowest && *value <= highest) return value;
  problem = option + " takes " + takes + " from " + decimalText(lowest) + " to " + decimalText(highest);
  return std::nullopt;
}

}  // namespace

bool StockOptions::take(const Arguments& args, std::size_t& i, std::optional<std::string>& problem) {
  const std::string& option = args[i];
  if (option == "--template") {
    if (i + 1 < args.size())
      templateId = args[++i];
    else
      problem = "--template takes a template id (see orvane-cli templates)";
  } else if (option == "--offset-x") {
    offsetX =
        boundedValue(args, i, -calibrationOffsetLimitMm, calibrationOffsetLimitMm, "millimetres", problem);
  } else if (option == "--offset-y") {
    offsetY =
        boundedValue(args, i, -calibrationOffsetLimitMm, calibrationOffsetLimitMm, "millimetres", problem);
  } else if (option == "--scale") {
    scale = boundedValue(args, i, calibrationLowestScale, calibrationHighestScale, "a percentage", problem);
  } else {
    return false;
  }
  return true;
}

PrinterCalibration StockOptions::calibration(const PrinterCalibration& stored) const {
  return {offsetX.value_or(stored.offsetXMm), offsetY.value_or(stored.offsetYMm),
          scale.value_or(stored.scalePercent)};
}

std::optional<std::string> findCardStock(const std::string& id, CardStock& stock) {
  // The system's template database may hold hundreds of files: it is read only for an id that is not
  // one of the program's own.
  StockCatalogue catalogue = loadShippedCardStocks(Language::French);
  if (!orvane::findStock(catalogue.stocks, id)) catalogue = loadCardStocks(Language::French);
  const CardStock* found = orvane::findStock(catalogue.stocks, id);
  if (!found) return "unknown template: " + id + " (orvane-cli templates lists them)";
  stock = *found;
  return std::nullopt;
}

}  // namespace orvane::cli
