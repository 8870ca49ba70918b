#pragma once
// The card's QR code: its contact's vCard drawn at the QR code's place, above everything else, on the
// card window, the card picture and each card of the printed sheet alike.

#include <optional>

#include "render/canvas.h"
#include "render/card_placement.h"
#include "render/render_context.h"

namespace orvane {

/// Where the modules of a code `codeWidth` modules wide go in `square`: whole canvas units a module,
/// so that every module edge is sharp, the code and its four-module quiet zone centred in the square.
struct QrModuleGrid {
  int moduleSize = 1;
  Point origin;  // the corner of the quiet zone
  int side = 0;  // the quiet zone's side
};
QrModuleGrid qrModuleGrid(const Rect& square, int codeWidth);

/// Draws the QR code of the card's contact when it is shown, on a light square, its dark modules in
/// black (always in black and white) or frame 1's font colour. A contact too long for a QR code is
/// reported as a drawing failure; false then.
bool drawCardQrCode(RenderContext& context, Canvas& canvas, const CardPlacement& placement,
                    bool blackAndWhite);

/// The QR code alone, on a transparent picture for the card window's control that lies above the
/// frames, and where the picture's corner lies on the card. The code's square is in the middle of a
/// picture large enough for the largest code at one pixel a module, which may spill out of a small
/// square as it does on paper.
struct QrCodePicture {
  Image image;
  Point corner;
};
/// Nothing when the card shows no QR code.
std::optional<QrCodePicture> drawQrCodePicture(RenderContext& context);

}  // namespace orvane
