#pragma once
// The print-shop PDF: one page of the card at its physical size, its TrimBox, BleedBox and MediaBox set
// to the trim, the bleed and the page, for the editor's export and the command-line tool.

#include <optional>
#include <string>

#include "qt/card_sheet_pdf.h"
#include "render/print_shop_page.h"
#include "render/render_context.h"

namespace orvane {

/// Draws `context`'s card into the PDF file `output` (UTF-8) as `settings` lay out its page. The PDF is
/// written beside it and takes its name only once complete and not refused by `failure`. Returns why
/// nothing was written, or nothing on success.
std::optional<std::string> writePrintShopPdf(RenderContext& context, const std::string& output,
                                             const PrintShopSettings& settings,
                                             const DrawingFailure& failure = {});

}  // namespace orvane
