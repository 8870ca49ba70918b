#include "cli/script_drawing.h"

#include "cli/commands.h"
#include "render/icon_drawing.h"
#include "render/transparency_composite.h"

namespace orvane::cli {

ScriptDrawing::ScriptDrawing(LoadedCard& loaded) : loaded_(loaded) {
  // The loader's own messages are warnings: the card was loaded all the same.
  for (const std::string& message : loaded.prompter.texts()) printNote(message);
  for (int number : {1, 2})
    if (loaded.card.frame(number).frameTransparent) makeFrameTransparent(context, number);
  // The icon file is taken as the card window takes it before drawing.
  takeIconFile(loaded.card, state_, pictures_);
}

std::optional<std::string> ScriptDrawing::failure() const {
  if (prompter_.shown.empty()) return std::nullopt;
  return prompter_.shown.front().text;
}

}  // namespace orvane::cli
