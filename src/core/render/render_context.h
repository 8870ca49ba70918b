#pragma once
// Everything a card drawing works with besides its canvas: the card, the kept pictures and the services.

#include <string>

#include "card/card_model.h"
#include "catalogue/language.h"
#include "render/picture_service.h"
#include "render/renderer_state.h"
#include "services/prompter.h"
#include "services/text_metrics.h"

namespace orvane {

struct RenderContext {
  const CardModel& card;
  RendererState& state;
  Prompter& prompter;
  PictureService& pictures;
  TextMetrics& screenMetrics;  // the frames' fonts as the screen measures them
  Language language;           // the interface language when the drawing began

  /// The catalogue text of `id` in the interface language.
  std::string message(int id) const;
  /// Shows `text` in a plain box unless `shown` says it was shown already this run.
  void showOnce(bool& shown, const std::string& text) const;
  /// Error box 1142 + "400": a drawing call failed.
  void reportDrawingFailure() const;
  /// Reads the pattern file into `patternBitmap` unless it holds it already; false when it cannot.
  bool loadPatternBitmap() const;
  /// Shows message 131 with `path`, once per run.
  void reportUnreadableImage(const std::string& path) const;
  /// The pattern file cannot be read: messages 140, its path and 141, once per run, whichever drawing
  /// meets it first; the pattern is not shown.
  void reportUnreadablePattern() const;
};

}  // namespace orvane
