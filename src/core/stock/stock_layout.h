#pragma once
// Where the cards of a sheet go on a printer's page: centred in the cells of a card stock, or laid out
// as the sheet of twelve; then moved and scaled by the printer's calibration.

#include <optional>
#include <string>
#include <vector>

#include "card/card_model.h"
#include "catalogue/language.h"
#include "graphics/geometry.h"
#include "render/sheet_layout.h"
#include "services/printer_service.h"
#include "stock/card_stock.h"
#include "stock/printer_calibration.h"

namespace orvane {

/// The card's size on paper: its pixels at the screen resolution it is edited at.
SizeMm cardSizeMm(const CardModel& card, int screenResolution);

enum class CardFit { Fits, Smaller, Larger };

/// How a card of `card` size fits the cells of `stock`, within half a screen pixel; the sheet of
/// twelve fits every card.
CardFit cardFit(const SizeMm& card, const CardStock& stock, int screenResolution);

/// Message 1241 when the card is larger than the cells of `stock`: the sheet is not printed.
std::optional<std::string> stockRefusal(const CardModel& card, const CardStock& stock, int screenResolution,
                                        Language language);

/// "85 x 54", the size the messages give, in millimetres with one decimal at most.
std::string sizeText(const SizeMm& size);

/// The top-left corners, in dots from the printable area's corner, of cards of `card` size centred in
/// the cells of `stock`, row by row, with `calibration` applied.
std::vector<Point> stockCardPositions(const CardStock& stock, const SizeMm& card,
                                      const PrinterMeasurements& printer,
                                      const PrinterCalibration& calibration);

/// `position`, in dots from the printable area's corner, moved as `calibration` says.
Point calibratedPosition(Point position, const PrinterMeasurements& printer,
                         const PrinterCalibration& calibration);

/// The dots of `point`, in millimetres from the paper's corner, from the printable area's corner.
Point pageDots(const PointMm& point, const PrinterMeasurements& printer);

/// `ratios` scaled as `calibration` says.
PrintRatios calibratedRatios(const PrintRatios& ratios, const PrinterCalibration& calibration);

}  // namespace orvane
