#include "render/sheet_layout.h"

#include "text/rounding.h"

namespace orvane {

namespace {

constexpr double marginMm = 5;
constexpr double inchesPerMm = 0.0393700787;
constexpr double ratioOfWideGaps = 4.0;

struct AxisMargin {
  int shift = 0;
  int offset = 0;
};

AxisMargin axisMargin(double offsetMm, int offsetDots, double ratio, int screenResolution) {
  if (offsetMm >= marginMm) return {};
  const int shift = roundToInt(ratio * marginMm * screenResolution * inchesPerMm);
  return {shift, shift - offsetDots};
}

}  // namespace

PrintRatios printRatios(const PrinterResolution& printer, int screenResolution) {
  return {static_cast<double>(printer.horizontal) / screenResolution,
          static_cast<double>(printer.vertical) / screenResolution};
}

PageMargins computePageMargins(const PrinterMeasurements& printer, const PrintRatios& ratios,
                               int screenResolution) {
  const AxisMargin left = axisMargin(printer.offsetXMm(), printer.offsetX, ratios.x, screenResolution);
  const AxisMargin top = axisMargin(printer.offsetYMm(), printer.offsetY, ratios.y, screenResolution);
  return {left.shift, top.shift, left.offset, top.offset};
}

int sheetGap(double ratio, int spacing) {
  if (ratio < ratioOfWideGaps) return spacing;
  return roundToInt(ratio * spacing * 4 / 15);
}

SheetGrid sheetGrid(Orientation orientation, const PrintRatios& ratios, int spacing, bool testPrint) {
  SheetGrid grid;
  if (orientation == Orientation::Horizontal) {
    grid = {4, 3, sheetGap(ratios.x, spacing), sheetGap(ratios.y, spacing)};
  } else {
    grid = {3, 4, sheetGap(ratios.y, spacing), sheetGap(ratios.x, spacing)};
  }
  if (testPrint) grid.rows = grid.columns = 1;
  return grid;
}

std::vector<Point> cardPositions(const CardModel& card, const SheetGrid& grid, const PageMargins& margins,
                                 const PrintRatios& ratios, int pageWidth, int pageHeight) {
  const int cardWidth = roundToInt(ratios.x * card.cardWidth);
  const int cardHeight = roundToInt(ratios.y * card.cardHeight);
  std::vector<Point> positions;
  for (int row = 0; row < grid.rows; ++row) {
    const int top = roundToInt(ratios.y * card.cardHeight * row) + margins.topShift + row * grid.verticalGap;
    if (top + cardHeight > pageHeight) break;
    for (int column = 0; column < grid.columns; ++column) {
      const int left =
          roundToInt(ratios.x * card.cardWidth * column) + margins.leftShift + column * grid.horizontalGap;
      if (left + cardWidth > pageWidth) break;
      positions.push_back({left, top});
    }
  }
  return positions;
}

}  // namespace orvane
