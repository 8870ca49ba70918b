#include "render/transparency_composite.h"

namespace orvane {

namespace {

bool anyFrameTransparent(const CardModel& card) {
  return card.frame(1).frameTransparent || card.frame(2).frameTransparent;
}

// The composite starts as the card: its colour, with the pattern stretched over it when there is one.
bool createComposite(RenderContext& context) {
  const CardModel& card = context.card;
  auto& composite = context.state.transparencyComposite;
  composite = Image(card.cardWidth, card.cardHeight, opaquePixel(card.cardColor));
  if (card.patternFile.empty()) return true;
  if (!context.loadPatternBitmap()) {
    context.reportUnreadablePattern();
    return true;
  }
  return context.pictures.canvasOn(*composite)
      ->drawImage(Rect::fromSize(0, 0, card.cardWidth, card.cardHeight), *context.state.patternBitmap);
}

bool drawFrameText(RenderContext& context, int number) {
  const FrameModel& frame = context.card.frame(number);
  const Rect frameRect = Rect::fromSize(frame.frameLeft, frame.frameTop, frame.frameWidth, frame.frameHeight);
  return context.pictures.canvasOn(*context.state.transparencyComposite)->drawRichText(frameRect, frame.text);
}

// A composite made for another card size would put the texts in the wrong place.
bool compositeFitsCard(const RenderContext& context) {
  const auto& composite = context.state.transparencyComposite;
  return composite && composite->width() == context.card.cardWidth &&
         composite->height() == context.card.cardHeight;
}

bool buildComposite(RenderContext& context) {
  context.state.transparencyComposite.reset();
  bool drawn = createComposite(context);
  for (int number : {1, 2})
    if (drawn && context.card.frame(number).frameTransparent) drawn = drawFrameText(context, number);
  return drawn;
}

}  // namespace

bool makeFrameTransparent(RenderContext& context, int number) {
  const bool drawn = compositeFitsCard(context) ? drawFrameText(context, number) : buildComposite(context);
  if (!drawn) context.reportDrawingFailure();
  return drawn;
}

bool redrawTransparentFrames(RenderContext& context) {
  if (!anyFrameTransparent(context.card)) return true;
  const bool drawn = buildComposite(context);
  if (!drawn) context.reportDrawingFailure();
  return drawn;
}

bool drawTransparencyComposite(RenderContext& context, Canvas& canvas, const CardPlacement& placement) {
  const bool drawn = (compositeFitsCard(context) || buildComposite(context)) &&
                     canvas.drawImage(placement.rect, *context.state.transparencyComposite);
  if (!drawn) context.reportDrawingFailure();
  return drawn;
}

}  // namespace orvane
