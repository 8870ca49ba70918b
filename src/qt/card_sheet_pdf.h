#pragma once
// The card sheet written to a PDF file, for the editor's export and the command-line tool: the same
// printer, page and sheet settings wherever it is asked for.

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "render/card_sheet.h"
#include "render/render_context.h"

namespace orvane {

struct CardSheetPdf {
  std::string output;  // the PDF file to write, UTF-8
  int dpi = 600;
  int screenResolution = 96;
  PrintMode printMode = PrintMode::InColour;
  bool testPrint = false;
  bool cardColourChosen = true;
  std::array<bool, 2> frameColourChosen{true, true};
  CardStock stock = orvaneSheet();
  PrinterCalibration calibration;
};

/// Draws the sheet as drawCardSheet does, its footer dated now: the page of every printed copy.
void drawCardSheetNow(RenderContext& context, Canvas& canvas, SheetSettings settings);

/// Tells, once the sheet is drawn, why the drawing is not to be kept; nothing when it is.
using DrawingFailure = std::function<std::optional<std::string>()>;

/// Draws one page of a PDF file with the settings of its sheets, footer date included; true when
/// another page follows.
using SheetPage = std::function<bool(Canvas& canvas, const SheetSettings& settings)>;

/// Writes the pages `drawPage` draws into `sheet.output`, each a page for `context`'s card as
/// writeCardSheetPdf writes its one page, and as safely. Returns why nothing was written, or nothing
/// on success.
std::optional<std::string> writeCardSheetsPdf(RenderContext& context, const CardSheetPdf& sheet,
                                              const SheetPage& drawPage, const DrawingFailure& failure = {});

/// Draws the sheet of `context`'s card into `sheet.output`. The PDF is written beside it under a staging
/// name and takes its name only once written whole and not refused by `failure`, so that an existing
/// file is never left half written. Returns why nothing was written, or nothing on success.
std::optional<std::string> writeCardSheetPdf(RenderContext& context, const CardSheetPdf& sheet,
                                             const DrawingFailure& failure = {});

}  // namespace orvane
