#pragma once
// The cards of a team drawn on one paged device, a PDF file or a printer's job, for the editor and the
// command-line tool: the card's fields filled by each row of a table, one sheet per row or consecutive
// rows on consecutive cards.

#include <vector>

#include "card/merge_fields.h"
#include "qt/card_sheet_pdf.h"
#include "services/printer_service.h"
#include "services/progress.h"
#include "text/csv_table.h"

namespace orvane {

struct CardMerge {
  const CsvTable& table;
  bool mixed = false;            // consecutive rows on consecutive cards rather than a sheet per row
  Progress* progress = nullptr;  // told of each row; may ask the run to stop
};

struct CardMergeReport {
  int pages = 0;
  std::vector<MissingField> missing;
  bool cancelled = false;              // the user stopped the run: nothing was written
  std::optional<std::string> failure;  // why nothing was written
};

/// A device the merge draws on: it draws the pages `drawPage` draws, one after the other while it asks
/// for another, and says why nothing of them is kept, or nothing. `refusal`, asked once the pages are
/// drawn, tells a run the user stopped.
using PagedDevice =
    std::function<std::optional<std::string>(const SheetPage& drawPage, const DrawingFailure& refusal)>;

/// Draws the merge on `device`. `card` is the card `context` draws: it takes each row's texts in turn
/// and is given back as it was.
CardMergeReport drawCardMerge(RenderContext& context, CardModel& card, const CardMerge& merge,
                              const PagedDevice& device);

/// Draws the merge into `sheet.output` through writeCardSheetsPdf. `card` is the card `context` draws:
/// it takes each row's texts in turn and is given back as it was.
CardMergeReport writeCardMergePdf(RenderContext& context, CardModel& card, const CardSheetPdf& sheet,
                                  const CardMerge& merge, const DrawingFailure& failure = {});

/// Draws the merge `copies` times over on `job`, each copy from a page of its own, on pages of
/// `settings` (`settings.printer` the job's). The empty fields are told once; a page the printer
/// refuses is a failure. The job is left to the caller to finish, or to drop when the run was stopped
/// or failed.
CardMergeReport printCardMerge(RenderContext& context, CardModel& card, PrintJob& job,
                               const SheetSettings& settings, const CardMerge& merge, int copies);

}  // namespace orvane
