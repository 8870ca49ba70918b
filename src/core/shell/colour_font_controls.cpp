#include "shell/colour_font_controls.h"

#include "catalogue/catalogue.h"
#include "render/transparency_composite.h"

namespace orvane {

namespace {

constexpr int messageFontMissing = 132;
constexpr int messageScreenFonts = 143;

bool anyStyle(const FontStyle& style) {
  return style.bold || style.italic || style.underline || style.strikeOut;
}

// The stored font when the dialog can show its face; otherwise its colour and style alone, after
// message 132 saying which font was asked for.
FontSpec presetFor(const FontSpec& stored, const FontButtonServices& services) {
  if (!stored.isSet()) return FontSpec{};
  if (services.dialogs.fontAvailable(stored.name)) return stored;
  services.prompter.show(MessageKind::Plain, catalogue::text(services.language, messageFontMissing) +
                                                 stored.name + " ; " + std::to_string(stored.size) + " ; ");
  FontSpec fallback;
  fallback.colour = stored.colour;
  if (anyStyle(stored.style)) fallback.style = stored.style;
  return fallback;
}

}  // namespace

bool chooseBackgroundColour(CardModel& card, int target, ColourFontDialogs& dialogs) {
  Colour& colour = target == 0 ? card.cardColor : card.frame(target).frameColor;
  const std::optional<Colour> chosen = dialogs.chooseColour(colour);
  if (!chosen) return false;
  colour = *chosen;
  // During card access the frame takes its access colour back when access ends: that colour is the
  // one chosen now, or the choice would be lost.
  if (target != 0 && card.cardAccess) card.frame(target).accessColor = *chosen;
  return true;
}

FontDialogRequest prepareFontDialog(ColourFontState& state, const FontButtonServices& services) {
  FontDialogRequest request;
  request.printerFonts = services.printerFound;
  if (!services.printerFound && !state.screenFontNoticeShown) {
    services.prompter.show(MessageKind::Plain, catalogue::text(services.language, messageScreenFonts));
    state.screenFontNoticeShown = true;
  }
  if (state.fontOptions.has(FontOption::LimitSize)) request.sizes = limitedSizes;
  state.fontOptions.set(FontOption::Effects, true);
  request.options = state.fontOptions;
  return request;
}

FontButtonOutcome chooseFrameFont(CardModel& card, int number, FontPart part, ColourFontState& state,
                                  const FontButtonServices& services) {
  FontDialogRequest request = prepareFontDialog(state, services);
  FrameModel& frame = card.frame(number);
  FontSpec& stored = part == FontPart::Header ? frame.headerFont : frame.bodyFont;
  request.preset = presetFor(stored, services);
  const std::optional<FontSpec> chosen = services.dialogs.chooseFont(request);
  if (!chosen) return {};
  const int count = part == FontPart::Header ? frame.text.firstLineLength() : frame.text.length();
  frame.text.applyFormat(0, count, *chosen);
  stored = *chosen;
  return {true, frameWidthWarning(card, number, part, *chosen, services.screenMetrics)};
}

std::string frameWidthWarning(const CardModel& card, int number, FontPart part, const FontSpec& font,
                              TextMetrics& metrics) {
  const FrameModel& frame = card.frame(number);
  // Word wrap is off while measuring: each paragraph is one line.
  const std::string text = frame.text.plainText();
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find('\n', start);
    const std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    const int width = metrics.measure(line, font).width;
    if (width > frame.frameWidth)
      return "Texte trop large (" + std::to_string(width) + ")/(" + std::to_string(frame.frameWidth) +
             ")\r\nInformation 140";
    if (part == FontPart::Header || end == std::string::npos) return {};
    start = end + 1;
  }
}

BoxState nextPatternBoxState(BoxState state) {
  switch (state) {
    case BoxState::Unchecked:
      return BoxState::Checked;
    case BoxState::Checked:
      return BoxState::Grayed;
    case BoxState::Grayed:
      break;
  }
  return BoxState::Unchecked;
}

std::string setPatternMode(CardModel& card, BoxState state) {
  switch (state) {
    case BoxState::Unchecked:
      card.patternMode = PatternMode::BySize;
      return "dim";
    case BoxState::Checked:
      card.patternMode = PatternMode::Tile;
      return "brush";
    case BoxState::Grayed:
      break;
  }
  card.patternMode = PatternMode::Stretch;
  return "stretch";
}

std::string setFillStyle(CardModel& card, bool checked) {
  card.fillStyle = checked ? FillStyle::Flood : FillStyle::Fill;
  return checked ? "flood" : "fill";
}

bool setFrameTransparency(CardModel& card, int number, bool transparent, RenderContext& context) {
  card.frame(number).frameTransparent = transparent;
  if (transparent) return makeFrameTransparent(context, number);
  context.state.patternBitmap.reset();
  // The other frame may still need a composite, but not one holding this frame's text: once this
  // frame moves or shrinks, that text would show through beside it.
  if (card.frame(3 - number).frameTransparent) return redrawTransparentFrames(context);
  context.state.transparencyComposite.reset();
  return true;
}

bool transparencyBoxesEnabled(bool enable, bool patternShown, bool checked) {
  return enable && (patternShown || checked);
}

}  // namespace orvane
