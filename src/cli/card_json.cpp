#include "cli/card_json.h"

namespace orvane::cli {

namespace {

// The model's values as the card's parameters spell them, so that scripts read the same words.
const char* spelling(Orientation orientation) {
  switch (orientation) {
    case Orientation::Vertical:
      return "vertical";
    case Orientation::Horizontal:
      return "horizontal";
    case Orientation::Unset:
      break;
  }
  return "";
}

const char* spelling(PatternMode mode) {
  switch (mode) {
    case PatternMode::Tile:
      return "mot";
    case PatternMode::Stretch:
      return "str";
    case PatternMode::BySize:
      break;
  }
  return "dim";
}

const char* spelling(FillStyle style) { return style == FillStyle::Flood ? "flood" : "fill"; }

const char* spelling(IconKind kind) {
  switch (kind) {
    case IconKind::Icon:
      return "ico";
    case IconKind::Bitmap:
      return "bmp";
    case IconKind::Unknown:
      break;
  }
  return "";
}

}  // namespace

void writeFont(JsonWriter& json, std::string_view name, const FontSpec& font) {
  json.key(name);
  json.beginObject();
  json.field("name", font.name);
  json.field("size", font.size);
  json.field("bold", font.style.bold);
  json.field("italic", font.style.italic);
  json.field("underline", font.style.underline);
  json.field("strikeOut", font.style.strikeOut);
  json.field("colour", font.colour);
  json.endObject();
}

const char* alignmentName(ParagraphAlignment alignment) {
  switch (alignment) {
    case ParagraphAlignment::Right:
      return "right";
    case ParagraphAlignment::Centre:
      return "centre";
    case ParagraphAlignment::Justify:
      return "justify";
    case ParagraphAlignment::Left:
      break;
  }
  return "left";
}

namespace {

void writeFrame(JsonWriter& json, const FrameModel& frame) {
  json.beginObject();
  json.field("frameLeft", frame.frameLeft);
  json.field("frameTop", frame.frameTop);
  json.field("frameWidth", frame.frameWidth);
  json.field("frameHeight", frame.frameHeight);
  json.field("frameColor", frame.frameColor);
  json.field("frameAlignment", frame.frameAlignment);
  json.field("frameTransparent", frame.frameTransparent);
  writeFont(json, "headerFont", frame.headerFont);
  writeFont(json, "bodyFont", frame.bodyFont);
  json.field("frameTextFile", frame.frameTextFile);
  json.field("text", frame.text.plainText());
  json.key("paragraphAlignments");
  json.beginArray();
  for (const Paragraph& paragraph : frame.text.paragraphs()) json.value(alignmentName(paragraph.alignment));
  json.endArray();
  json.endObject();
}

void writeRatios(JsonWriter& json, const LayoutRatios& ratios) {
  json.key("layoutRatios");
  json.beginObject();
  json.field("frame1Width", ratios.frame1Width);
  json.field("frame1Height", ratios.frame1Height);
  json.field("frame1Top", ratios.frame1Top);
  json.field("frame2Width", ratios.frame2Width);
  json.field("frame2Height", ratios.frame2Height);
  json.field("frame2Top", ratios.frame2Top);
  json.field("iconLeft", ratios.iconLeft);
  json.field("iconTop", ratios.iconTop);
  json.endObject();
}

void writeSnapshot(JsonWriter& json, std::string_view name, const LayoutSnapshot& snapshot) {
  json.key(name);
  json.beginObject();
  json.field("frame1Top", snapshot.frame1Top);
  json.field("frame1Width", snapshot.frame1Width);
  json.field("frame2Width", snapshot.frame2Width);
  json.field("frame1Height", snapshot.frame1Height);
  json.field("frame2Height", snapshot.frame2Height);
  json.field("iconTop", snapshot.iconTop);
  json.field("iconLeft", snapshot.iconLeft);
  json.field("iconWidth", snapshot.iconWidth);
  json.field("iconHeight", snapshot.iconHeight);
  json.field("landscapeFrame1Top", snapshot.landscapeFrame1Top);
  json.field("landscapeFrame1Width", snapshot.landscapeFrame1Width);
  json.field("landscapeFrame1Height", snapshot.landscapeFrame1Height);
  json.field("landscapeFrame2Height", snapshot.landscapeFrame2Height);
  json.field("filled", snapshot.filled);
  json.endObject();
}

}  // namespace

void writeCard(JsonWriter& json, const CardModel& card) {
  json.beginObject();
  writeCardMembers(json, card);
  json.endObject();
}

void writeCardMembers(JsonWriter& json, const CardModel& card) {
  json.field("cardWidth", card.cardWidth);
  json.field("cardHeight", card.cardHeight);
  json.field("cardTop", card.cardTop);
  json.field("cardColor", card.cardColor);
  json.field("orientation", spelling(card.orientation));
  json.field("patternFile", card.patternFile);
  json.field("iconFile", card.iconFile);
  json.field("spacing", card.spacing);
  json.field("patternMode", spelling(card.patternMode));
  json.field("fillStyle", spelling(card.fillStyle));
  json.field("formatIndex", card.formatIndex);
  json.field("cardAccess", card.cardAccess);
  json.field("iconLeft", card.iconLeft);
  json.field("iconTop", card.iconTop);
  json.field("iconWidth", card.iconWidth);
  json.field("iconHeight", card.iconHeight);
  json.field("iconKind", spelling(card.iconKind));
  json.field("designWidth", card.designWidth);
  json.field("designHeight", card.designHeight);
  json.field("designIconLeft", card.designIconLeft);
  json.field("designIconTop", card.designIconTop);
  json.key("frames");
  json.beginArray();
  for (const FrameModel& frame : card.frames) writeFrame(json, frame);
  json.endArray();
  writeRatios(json, card.layoutRatios);
  writeSnapshot(json, "snapshot0", card.snapshot(0));
}

}  // namespace orvane::cli
