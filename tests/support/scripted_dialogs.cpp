#include "support/scripted_dialogs.h"

namespace orvane {

namespace {

template <typename T>
std::optional<T> takeFirst(std::deque<std::optional<T>>& answers) {
  if (answers.empty()) return std::nullopt;
  std::optional<T> answer = answers.front();
  answers.pop_front();
  return answer;
}

}  // namespace

std::optional<Colour> ScriptedDialogs::chooseColour(Colour current) {
  colourPresets.push_back(current);
  return takeFirst(colours);
}

std::optional<FontSpec> ScriptedDialogs::chooseFont(const FontDialogRequest& request) {
  fontRequests.push_back(request);
  return takeFirst(fonts);
}

}  // namespace orvane
