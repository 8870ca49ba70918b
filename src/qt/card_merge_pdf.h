#pragma once
// The cards of a team written to one PDF file, for the editor and the command-line tool: the card's
// fields filled by each row of a table, one sheet per row or consecutive rows on consecutive cards.

#include <vector>

#include "card/merge_fields.h"
#include "qt/card_sheet_pdf.h"
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

/// Draws the merge into `sheet.output` through writeCardSheetsPdf. `card` is the card `context` draws:
/// it takes each row's texts in turn and is given back as it was.
CardMergeReport writeCardMergePdf(RenderContext& context, CardModel& card, const CardSheetPdf& sheet,
                                  const CardMerge& merge, const DrawingFailure& failure = {});

}  // namespace orvane
