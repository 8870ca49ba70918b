#pragma once
// The numbers of a printed sheet of cards: print ratios, page margins, gaps, and where each card goes.

#include <vector>

#include "card/card_model.h"
#include "graphics/geometry.h"
#include "services/printer_service.h"

namespace orvane {

/// Printer dots per screen pixel, per axis.
struct PrintRatios {
  double x = 1;
  double y = 1;
};

PrintRatios printRatios(const PrinterResolution& printer, int screenResolution);

/// In printer dots: the shifts put the sheet's cards at least 5 mm from the paper's edge; the offsets
/// are those shifts less the printer's own unprintable border. Both are 0 on an axis whose border is
/// 5 mm or more already.
struct PageMargins {
  int leftShift = 0;
  int topShift = 0;
  int leftOffset = 0;
  int topOffset = 0;
};

PageMargins computePageMargins(const PrinterMeasurements& printer, const PrintRatios& ratios,
                               int screenResolution);

/// The gap between two cards along an axis of print ratio `ratio`: `spacing` dots, widened by 4/15 of
/// the ratio on printers of 4 dots per screen pixel or more.
int sheetGap(double ratio, int spacing);

struct SheetGrid {
  int rows = 0;
  int columns = 0;
  int verticalGap = 0;
  int horizontalGap = 0;
};

/// Three rows of four vertical cards or four rows of three horizontal ones; one card for a test print.
SheetGrid sheetGrid(Orientation orientation, const PrintRatios& ratios, int spacing, bool testPrint);

/// The top-left corners of the cards that fit on a page of `pageWidth` x `pageHeight` dots, row by row:
/// a row that would end below the page ends the sheet; a column that would end beyond the page is left
/// out of every row.
std::vector<Point> cardPositions(const CardModel& card, const SheetGrid& grid, const PageMargins& margins,
                                 const PrintRatios& ratios, int pageWidth, int pageHeight);

}  // namespace orvane
