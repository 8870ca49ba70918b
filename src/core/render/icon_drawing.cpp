#include "render/icon_drawing.h"

#include <cctype>

#include "render/pattern_drawing.h"

namespace orvane {

namespace {

void readIconFile(RenderContext& context) {
  CardModel& card = context.card;
  RendererState& state = context.state;
  if (state.iconImage && state.iconPathRead == card.iconFile) return;
  state.iconImage = card.iconKind == "ico" ? context.pictures.readIcon(card.iconFile)
                                           : context.pictures.readBitmap(card.iconFile);
  if (!state.iconImage) {
    context.reportUnreadableImage(card.iconFile);
    return;
  }
  if (card.iconKind == "ico") {
    card.iconWidth = state.iconImage->width();
    card.iconHeight = state.iconImage->height();
  }
}

// What the card shows under the icon: the pattern as drawn on the card, or the card's colour.
Image backgroundUnderIcon(RenderContext& context) {
  const CardModel& card = context.card;
  const Pixel cardPixel = opaquePixel(card.cardColor);
  const Rect iconRect = Rect::fromSize(card.iconLeft, card.iconTop, card.iconWidth, card.iconHeight);
  if (!card.patternFile.empty()) {
    if (!context.loadPatternBitmap()) {
      context.reportUnreadableImage(card.patternFile);
    } else if (refreshBackgroundCopy(context)) {
      return context.state.backgroundCopy->cropped(iconRect, cardPixel);
    }
  }
  return Image(iconRect.width(), iconRect.height(), cardPixel);
}

}  // namespace

std::string iconKindOf(const std::string& path) {
  if (path.empty()) return {};
  switch (std::tolower(static_cast<unsigned char>(path.back()))) {
    case 'o':
      return "ico";
    case 'p':
      return "bmp";
    default:
      return {};
  }
}

bool drawIcon(RenderContext& context) {
  CardModel& card = context.card;
  RendererState& state = context.state;
  if (card.iconFile.empty()) return false;
  if (card.iconKind.empty()) card.iconKind = iconKindOf(card.iconFile);
  readIconFile(context);
  state.iconPathRead = card.iconFile;
  state.iconBackground = backgroundUnderIcon(context);
  state.iconPicture = *state.iconBackground;
  if (!state.iconImage) return true;
  const bool drawn = context.pictures.canvasOn(*state.iconPicture)
                         ->drawImage(Rect::fromSize(0, 0, card.iconWidth, card.iconHeight), *state.iconImage);
  if (!drawn) context.reportDrawingFailure();
  return drawn;
}

}  // namespace orvane
