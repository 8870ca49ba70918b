#include "stock/stock_layout.h"

#include <cmath>

#include "catalogue/catalogue.h"
#include "stock/length.h"
#include "text/rounding.h"

namespace orvane {

namespace {

constexpr int messageCardLargerThanCell = 1241;

// Within half a screen pixel a card is the cell's size: its pixels cannot come closer.
bool sameLength(double card, double cell, int screenResolution) {
  return std::abs(card - cell) <= mmPerInch / screenResolution / 2;
}

bool longer(double card, double cell, int screenResolution) {
  return card > cell && !sameLength(card, cell, screenResolution);
}

}  // namespace

SizeMm cardSizeMm(const CardModel& card, int screenResolution) {
  return {card.cardWidth * mmPerInch / screenResolution, card.cardHeight * mmPerInch / screenResolution};
}

CardFit cardFit(const SizeMm& card, const CardStock& stock, int screenResolution) {
  if (stock.followsCard) return CardFit::Fits;
  if (longer(card.width, stock.cell.width, screenResolution) ||
      longer(card.height, stock.cell.height, screenResolution))
    return CardFit::Larger;
  if (sameLength(card.width, stock.cell.width, screenResolution) &&
      sameLength(card.height, stock.cell.height, screenResolution))
    return CardFit::Fits;
  return CardFit::Smaller;
}

std::optional<std::string> stockRefusal(const CardModel& card, const CardStock& stock, int screenResolution,
                                        Language language) {
  const SizeMm size = cardSizeMm(card, screenResolution);
  if (cardFit(size, stock, screenResolution) != CardFit::Larger) return std::nullopt;
  return catalogue::format(language, messageCardLargerThanCell, sizeText(size),
                           stock.name + " (" + sizeText(stock.cell) + " mm)");
}

std::string sizeText(const SizeMm& size) {
  return decimalText(size.width, 1) + " x " + decimalText(size.height, 1);
}

Point pageDots(const PointMm& point, const PrinterMeasurements& printer) {
  return {roundToInt(point.x * printer.resolution.horizontal / mmPerInch) - printer.offsetX,
          roundToInt(point.y * printer.resolution.vertical / mmPerInch) - printer.offsetY};
}

std::vector<Point> stockCardPositions(const CardStock& stock, const SizeMm& card,
                                      const PrinterMeasurements& printer,
                                      const PrinterCalibration& calibration) {
  std::vector<Point> positions;
  for (int row = 0; row < stock.rows; ++row) {
    for (int column = 0; column < stock.columns; ++column) {
      const PointMm cell = stock.cellCorner(column, row);
      const PointMm corner{cell.x + (stock.cell.width - card.width) / 2,
                           cell.y + (stock.cell.height - card.height) / 2};
      positions.push_back(pageDots(calibration.apply(corner), printer));
    }
  }
  return positions;
}

Point calibratedPosition(Point position, const PrinterMeasurements& printer,
                         const PrinterCalibration& calibration) {
  if (calibration.isNone()) return position;
  const PointMm onPaper{(position.x + printer.offsetX) * mmPerInch / printer.resolution.horizontal,
                        (position.y + printer.offsetY) * mmPerInch / printer.resolution.vertical};
  return pageDots(calibration.apply(onPaper), printer);
}

PrintRatios calibratedRatios(const PrintRatios& ratios, const PrinterCalibration& calibration) {
  const double scale = calibration.scalePercent / 100;
  return {ratios.x * scale, ratios.y * scale};
}

}  // namespace orvane
