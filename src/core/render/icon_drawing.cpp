#include "render/icon_drawing.h"

#include <cctype>
#include <utility>

#include "card/drawable_length.h"
#include "render/pattern_drawing.h"

namespace orvane {

namespace {

// What the card shows under the icon: the pattern as drawn on the card, or the card's colour.
Image backgroundUnderIcon(RenderContext& context) {
  const CardModel& card = context.card;
  const Pixel cardPixel = opaquePixel(card.cardColor);
  const Rect iconRect = Rect::fromSize(card.iconLeft, card.iconTop, card.iconWidth, card.iconHeight);
  if (!card.patternFile.empty()) {
    if (!context.loadPatternBitmap()) {
      context.reportUnreadablePattern();
    } else if (auto background = backgroundUnder(context, iconRect)) {
      return std::move(*background);
    }
  }
  return Image(iconRect.width(), iconRect.height(), cardPixel);
}

}  // namespace

IconKind iconKindOf(const std::string& path) {
  if (path.empty()) return IconKind::Unknown;
  switch (std::tolower(static_cast<unsigned char>(path.back()))) {
    case 'o':
      return IconKind::Icon;
    case 'p':
      return IconKind::Bitmap;
    default:
      return IconKind::Unknown;
  }
}

void takeIconFile(CardModel& card, RendererState& state, PictureService& pictures) {
  if (card.iconFile.empty()) return;
  if (card.iconKind == IconKind::Unknown) card.iconKind = iconKindOf(card.iconFile);
  // A file that could not be read is tried again at the next drawing, in case it has become readable.
  if (!state.iconImage || state.iconPathRead != card.iconFile) {
    state.iconImage = card.iconKind == IconKind::Icon ? pictures.readIcon(card.iconFile)
                                                      : pictures.readBitmap(card.iconFile);
    state.iconPathRead = card.iconFile;
    // An icon takes its file's own size, unless the editor could not draw it nor a card file keep it:
    // the icon is then drawn at the size it has.
    const bool ownSizeDrawable = state.iconImage && isDrawableLength(state.iconImage->width()) &&
                                 isDrawableLength(state.iconImage->height());
    if (ownSizeDrawable && card.iconKind == IconKind::Icon) {
      card.iconWidth = state.iconImage->width();
      card.iconHeight = state.iconImage->height();
    }
  }
}

bool drawIcon(RenderContext& context) {
  const CardModel& card = context.card;
  RendererState& state = context.state;
  if (card.iconFile.empty()) return false;
  if (!state.iconImage) context.reportUnreadableImage(card.iconFile);
  state.iconBackground = backgroundUnderIcon(context);
  state.iconPicture = *state.iconBackground;
  if (!state.iconImage) return true;
  const bool drawn = context.pictures.canvasOn(*state.iconPicture)
                         ->drawImage(Rect::fromSize(0, 0, card.iconWidth, card.iconHeight), *state.iconImage);
  if (!drawn) context.reportDrawingFailure();
  return drawn;
}

bool refreshIcon(CardModel& card, RenderContext& context) {
  context.state.iconImage.reset();
  takeIconFile(card, context.state, context.pictures);
  return drawIcon(context);
}

}  // namespace orvane
