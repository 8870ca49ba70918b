#pragma once
// The card window's drawing with a script's services: a message shown while drawing means the drawing
// is not what the card asks for, and ends the command as an error.

#include <optional>
#include <string>

#include "cli/loaded_card.h"
#include "qt/qt_picture_service.h"
#include "qt/qt_text_metrics.h"
#include "render/render_context.h"

namespace orvane::cli {

class ScriptDrawing {
 public:
  /// Writes the loader's messages on stderr, then prepares `loaded`'s card as the card window would.
  explicit ScriptDrawing(LoadedCard& loaded);

  /// The first message shown while drawing, if any.
  std::optional<std::string> failure() const;

 private:
  LoadedCard& loaded_;
  RendererState state_;
  NonInteractivePrompter prompter_;
  QtPictureService pictures_;
  QtTextMetrics metrics_;

 public:
  RenderContext context{loaded_.card, state_, prompter_, pictures_, metrics_, loaded_.language};
};

}  // namespace orvane::cli
