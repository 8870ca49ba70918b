#include "services/non_interactive_prompter.h"

namespace orvane {

Answer NonInteractivePrompter::goAhead(Buttons buttons) {
  return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
}

Answer NonInteractivePrompter::show(MessageKind kind, const std::string& text, Buttons buttons,
                                    int helpContext, const std::string& title) {
  shown.push_back({kind, text, buttons, helpContext, title});
  return goAhead(buttons);
}

std::vector<std::string> NonInteractivePrompter::texts() const {
  std::vector<std::string> result;
  for (const auto& message : shown) result.push_back(message.text);
  return result;
}

}  // namespace orvane
