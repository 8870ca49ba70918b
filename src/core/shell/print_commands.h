#pragma once
// The print commands of the main window: the printer setup and its report, the sheet printed once per
// copy in colour or in black and white, and the test print. The page drawing itself is the caller's.

#include <functional>
#include <optional>
#include <string>

#include "catalogue/language.h"
#include "render/sheet_layout.h"
#include "services/print_dialogs.h"
#include "services/printer_service.h"
#include "services/prompter.h"
#include "shell/card_editor_shell.h"

namespace orvane {

/// The current printer as it was last measured, with the screen it was measured against.
struct MeasuredPrinter {
  int screenResolution = 96;
  PrinterMeasurements device;
  PrintRatios ratios;
};

/// The current printer's values and its ratios to a screen of `screenResolution` pixels per inch;
/// nothing when no printer answers.
std::optional<MeasuredPrinter> measurePrinter(PrinterService& printers, int screenResolution);

/// The report "&Imprimante" shows: printable area, paper size, unprintable borders in mm with two
/// decimals, resolution and blending capability, one per line, the lines ended by a lone CR.
std::string printerReport(const PrinterMeasurements& printer, Language language);

/// Draws one copy of the sheet on the current page of a job whose pages `printer` describes.
using PageDrawing = std::function<void(Canvas& canvas, const PrinterMeasurements& printer)>;

/// How a print command ended: cancelled in its dialog or stopped by the user while drawn (nothing
/// printed), printed (with its page count) or failed (the user was told why).
struct PrintOutcome {
  bool cancelled = false;
  bool failed = false;
  int pages = 0;
};

/// Draws a whole document on `job`, `copies` times over, a page break between pages. Says how many
/// pages it drew, and whether the user stopped it (`cancelled`) or the printer refused a page
/// (`failed`): either way the job is dropped.
using DocumentDrawing = std::function<PrintOutcome(PrintJob& job, int copies)>;

class PrintCommands {
 public:
  PrintCommands(CardEditorShell& shell, PrinterService& printers, PrintDialogs& dialogs, Prompter& prompter);

  /// "Impression &noir et blanc": the card's sheet in black and white.
  PrintOutcome mimpneb_click(const PageDrawing& draw);
  /// "Impression &couleurs": the card's sheet in colour.
  PrintOutcome mimpcouleurs_click(const PageDrawing& draw);
  /// "test impression": one card, in colour or in black and white as the user answers.
  PrintOutcome testimpr(const PageDrawing& draw);
  /// The print dialog, then one page per copy chosen, in the mode of the last print command, on the
  /// paper of the chosen card stock: A4 turned as the card is for the sheet of twelve. The printer is
  /// told the mode, the paper and the orientation; a document it refuses or abandons is reported
  /// (message 142 and the printer's reason). Without a printer, message 1131 says so; a card larger
  /// than the stock's cells is refused (message 1241) before anything is asked.
  PrintOutcome printSheet(const PageDrawing& draw);
  /// The same on pages turned as `orientation` in `mode`, for a sheet that is not the card's.
  PrintOutcome printSheet(const PageDrawing& draw, PageOrientation orientation, PrintMode mode,
                          const SizeMm& paper = a4Paper);
  /// As printSheet, for a document of many pages that `draw` draws whole for each copy. A document
  /// the user stopped is dropped before it reaches the printer, and nothing is said.
  PrintOutcome printDocument(const DocumentDrawing& draw);
  PrintOutcome printDocument(const DocumentDrawing& draw, PageOrientation orientation, PrintMode mode,
                             const SizeMm& paper = a4Paper);

  /// "&Imprimante": the printer setup dialog, then the report of the printer chosen. True when a
  /// printer was chosen, so that the command states are brought up to date.
  bool Imprimante1Click(int screenResolution);

  /// The printer measured by the last printer setup, if any.
  const std::optional<MeasuredPrinter>& measured() const { return measured_; }

 private:
  CardEditorShell& shell_;
  PrinterService& printers_;
  PrintDialogs& dialogs_;
  Prompter& prompter_;
  std::optional<MeasuredPrinter> measured_;
};

}  // namespace orvane
