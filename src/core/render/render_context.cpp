#include "render/render_context.h"

#include "catalogue/catalogue.h"

namespace orvane {

namespace {
constexpr int messageUnsupportedOperation = 1142;
constexpr int messageImageUnreadable = 131;
}  // namespace

std::string RenderContext::message(int id) const { return catalogue::text(language, id); }

void RenderContext::showOnce(bool& shown, const std::string& text) const {
  if (shown) return;
  shown = true;
  prompter.show(MessageKind::Plain, text);
}

void RenderContext::reportDrawingFailure() const {
  prompter.show(MessageKind::Error, catalogue::format(language, messageUnsupportedOperation, "400"),
                Buttons::Ok, helpContextNumbered);
}

bool RenderContext::loadPatternBitmap() const {
  if (!state.patternBitmap) state.patternBitmap = pictures.readBitmap(card.patternFile);
  return state.patternBitmap.has_value();
}

void RenderContext::reportUnreadableImage(const std::string& path) const {
  showOnce(state.imageUnreadableShown, message(messageImageUnreadable) + path);
}

void RenderContext::reportUnreadablePattern() const {
  showOnce(state.patternUnreadableShown, catalogue::fileNotAccessible(language, card.patternFile));
  state.patternShown = false;
}

}  // namespace orvane
