#include "render/card_picture.h"

#include "render/card_placement.h"
#include "render/icon_drawing.h"
#include "render/pattern_drawing.h"
#include "render/qr_drawing.h"
#include "render/transparency_composite.h"

namespace orvane {

void drawCardDecorations(RenderContext& context, Canvas& canvas) {
  const CardModel& card = context.card;
  drawIcon(context);
  if (card.patternFile.empty()) return;
  const CardPlacement placement = CardPlacement::onScreen(card);
  if (card.frame(1).frameTransparent || card.frame(2).frameTransparent) {
    drawTransparencyComposite(context, canvas, placement);
  } else {
    drawPattern(context, canvas, placement);
  }
}

Image drawCardPicture(RenderContext& context) {
  const CardModel& card = context.card;
  Image picture(card.cardWidth, card.cardHeight, opaquePixel(card.cardColor));
  const auto canvas = context.pictures.canvasOn(picture);
  drawCardDecorations(context, *canvas);
  bool drawn = true;
  // The icon is an image control under the frames, which are windows of their own.
  if (!card.iconFile.empty() && context.state.iconPicture) {
    drawn = canvas->drawImage(Rect::fromSize(card.iconLeft, card.iconTop, card.iconWidth, card.iconHeight),
                              *context.state.iconPicture);
  }
  for (int number : {1, 2}) {
    const FrameModel& frame = card.frame(number);
    if (frame.frameTransparent) continue;
    const Rect frameRect =
        Rect::fromSize(frame.frameLeft, frame.frameTop, frame.frameWidth, frame.frameHeight);
    drawn = canvas->fillRectangle(frameRect, frame.frameColor) &&
            canvas->drawRichText(frameRect, frame.text) && drawn;
  }
  if (!drawn) context.reportDrawingFailure();
  drawCardQrCode(context, *canvas, CardPlacement::onScreen(card), false);
  return picture;
}

}  // namespace orvane
