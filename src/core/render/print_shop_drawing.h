#pragma once
// The print-shop page drawn: the card as the sheet prints it, at the trim; its background run on into
// the bleed, while the texts and the icon keep their place; the crop marks.

#include "render/canvas.h"
#include "render/print_shop_page.h"
#include "render/render_context.h"

namespace orvane {

/// Draws `page`, laid out by printShopPage() from `settings`, on `canvas`.
void drawPrintShopPage(RenderContext& context, Canvas& canvas, const PrintShopPage& page,
                       const PrintShopSettings& settings);

}  // namespace orvane
