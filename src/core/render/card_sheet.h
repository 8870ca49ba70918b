#pragma once
// The printed sheet: a grid of identical cards, each drawn element by element at printer resolution,
// and the footer line in the page's bottom-right corner.

#include <array>
#include <cstddef>
#include <functional>
#include <string>

#include "render/canvas.h"
#include "render/card_placement.h"
#include "render/render_context.h"
#include "services/printer_service.h"
#include "stock/card_stock.h"
#include "stock/printer_calibration.h"

namespace orvane {

/// How a sheet prints: in colour, or in black and white (card and frame colours left out, texts black).
enum class PrintMode { InColour, BlackAndWhite };

struct SheetSettings {
  /// The printer whose page the canvas draws on.
  PrinterMeasurements printer;
  int screenResolution = 96;
  PrintMode printMode = PrintMode::InColour;
  bool testPrint = false;  // a single card
  /// A colour was given to the card, or to frame 1 or 2, with the colour dialog or by a card file.
  bool cardColourChosen = false;
  std::array<bool, 2> frameColourChosen{};
  /// The footer's date and time as the system writes them.
  std::string dateTime;
  /// Each card is outlined as a guide for the scissors; the print-shop page, cut at its trim, leaves it out.
  bool cardOutlines = true;
  /// The paper the cards are printed on; the sheet of twelve unless the user chose another.
  CardStock stock = orvaneSheet();
  /// How the printer's pages are to be moved and scaled.
  PrinterCalibration calibration;
};

/// Called before each card of a sheet is drawn, with the card's place on the page counted from 0. It may
/// change the texts and contact of the context's card, so that the cards of one page differ; the sheet
/// is laid out once, for the card as it was. False leaves that card and the rest of the page blank.
using NextSheetCard = std::function<bool(std::size_t place)>;

/// Draws the sheet of cards and its footer on `canvas`, a page of `settings.printer`; an unset card
/// spacing is laid out as 8. The icon is drawn from the one takeIconFile() took. On card stock the
/// footer is left out where it would cover a card. Without `nextCard` every card is the context's.
void drawCardSheet(RenderContext& context, Canvas& canvas, const SheetSettings& settings,
                   const NextSheetCard& nextCard = {});

/// Reads the pattern and brings the icon picture up to date, as every printed card needs them; an
/// unreadable pattern is reported.
void preparePrintedPictures(RenderContext& context);

/// Draws one card where `placement` puts it, as each card of the sheet is drawn, once
/// preparePrintedPictures() has run.
void drawSheetCard(RenderContext& context, Canvas& canvas, const SheetSettings& settings,
                   const CardPlacement& placement);

/// Draws "Orvane-Brevanel : " + `dateTime` in the bottom-right corner of a page of `pageWidth` x
/// `pageHeight` dots.
bool drawSheetFooter(Canvas& canvas, int pageWidth, int pageHeight, const std::string& dateTime);

}  // namespace orvane
