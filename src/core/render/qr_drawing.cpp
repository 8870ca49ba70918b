#include "render/qr_drawing.h"

#include <algorithm>

#include "contact/vcard.h"

namespace orvane {

namespace {

constexpr int quietModules = 4;
constexpr int largestQrModules = 177;
constexpr Colour black = 0x000000;
constexpr Colour white = 0xFFFFFF;

bool showsQrCode(const CardModel& card) {
  return card.contact.qr.shown && card.contact.qr.size > 0 && !card.contact.contact.isEmpty();
}

Colour darkColour(const CardModel& card, bool blackAndWhite) {
  if (blackAndWhite || card.contact.qr.colour == QrColour::Black) return black;
  return card.frame(1).bodyFont.colour;
}

}  // namespace

QrModuleGrid qrModuleGrid(const Rect& square, int codeWidth) {
  const int modules = codeWidth + 2 * quietModules;
  QrModuleGrid grid;
  grid.moduleSize = std::max(1, std::min(square.width(), square.height()) / modules);
  grid.side = grid.moduleSize * modules;
  grid.origin = {square.left + (square.width() - grid.side) / 2,
                 square.top + (square.height() - grid.side) / 2};
  return grid;
}

bool drawCardQrCode(RenderContext& context, Canvas& canvas, const CardPlacement& placement,
                    bool blackAndWhite) {
  const CardModel& card = context.card;
  const QrPlacement& qr = card.contact.qr;
  if (!showsQrCode(card)) return true;
  const std::optional<QrCode> code = context.pictures.encodeQrCode(writeVCard(card.contact.contact));
  if (!code) {
    context.reportDrawingFailure();
    return false;
  }
  const QrModuleGrid grid = qrModuleGrid(placement.scaled(qr.left, qr.top, qr.size, qr.size), code->width);
  // The card's edge cuts the code as the card window cuts it, rather than letting it spill onto the
  // next card of a sheet.
  const auto fill = [&](const Rect& rect, Colour colour) {
    const Rect clipped = rect.intersected(placement.rect);
    return clipped.isEmpty() || canvas.fillRectangle(clipped, colour);
  };
  bool drawn = fill(Rect::fromSize(grid.origin.x, grid.origin.y, grid.side, grid.side), white);
  const Colour dark = darkColour(card, blackAndWhite);
  const int codeLeft = grid.origin.x + quietModules * grid.moduleSize;
  const int codeTop = grid.origin.y + quietModules * grid.moduleSize;
  // Each run of dark modules along a row is one rectangle: no seam can show between its modules.
  for (int y = 0; y < code->width; ++y) {
    for (int x = 0; x < code->width;) {
      if (!code->isDark(x, y)) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < code->width && code->isDark(x, y)) ++x;
      drawn = fill(Rect::fromSize(codeLeft + start * grid.moduleSize, codeTop + y * grid.moduleSize,
                                  (x - start) * grid.moduleSize, grid.moduleSize),
                   dark) &&
              drawn;
    }
  }
  if (!drawn) context.reportDrawingFailure();
  return drawn;
}

std::optional<QrCodePicture> drawQrCodePicture(RenderContext& context) {
  const CardModel& card = context.card;
  if (!showsQrCode(card)) return std::nullopt;
  const QrPlacement& qr = card.contact.qr;
  const int side = std::max(qr.size, largestQrModules + 2 * quietModules);
  const int margin = (side - qr.size) / 2;
  QrCodePicture picture{Image(side, side, 0), {qr.left - margin, qr.top - margin}};
  const auto canvas = context.pictures.canvasOn(picture.image);
  // The card placed so that the picture's corner lies where it lies on the card.
  drawCardQrCode(context, *canvas, CardPlacement::onSheet(card, {-picture.corner.x, -picture.corner.y}, 1, 1),
                 false);
  return picture;
}

}  // namespace orvane
