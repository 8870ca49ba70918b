#pragma once
// The card audit ("audit "): header sizes, the icon over frame 1, blanks around frame 1's text and
// fonts the printer renders differently, each finding numbered and shown at once.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "card/card_model.h"
#include "catalogue/language.h"
#include "services/printer_service.h"
#include "services/prompter.h"
#include "services/text_metrics.h"
#include "stock/card_stock.h"

namespace orvane {

/// One numbered finding: its number, the number the help guide explains it under (300 header sizes,
/// 310 the icon, 320 a card smaller than the chosen stock's cells, 500 a printer font; the blanks, which have
/// none, go by their message, 1117) and the text shown.
struct AuditFinding {
  int number = 0;
  int id = 0;
  std::string text;
  bool operator==(const AuditFinding&) const = default;
};

struct AuditInput {
  explicit AuditInput(const CardModel& audited) : card(audited) {}

  const CardModel& card;
  /// A printer answered at start: only then is the icon checked against frame 1.
  bool printerAvailable = false;
  double printRatioX = 1;
  /// The font at the start of each line frames 1 and 2 display.
  std::array<std::vector<FontSpec>, 2> lineFonts;
  /// Brings the icon picture up to date before its place is checked.
  std::function<void()> refreshIcon;
  /// The card stock chosen for printing, and the screen resolution that sizes the card on paper.
  CardStock stock = orvaneSheet();
  int screenResolution = 96;
};

/// Runs the audit, showing each finding through `prompter` as it is found (then message 1126 when
/// there is none); returns the findings in order.
std::vector<AuditFinding> auditCard(const AuditInput& input, PrinterService& printers, Prompter& prompter,
                                    Language language);

/// The font at the start of each line frames 1 and 2 display on a screen of `screenResolution` pixels
/// per inch, measured with `metrics`.
std::array<std::vector<FontSpec>, 2> frameLineFonts(const CardModel& card, TextMetrics& metrics,
                                                    int screenResolution);

}  // namespace orvane
