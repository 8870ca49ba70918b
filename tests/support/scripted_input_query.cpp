#include "support/scripted_input_query.h"

namespace orvane {

std::optional<std::string> ScriptedInputQuery::ask(const std::string& title, const std::string& prompt,
                                                   const std::string& proposed) {
  asked.push_back({title, prompt, proposed});
  if (answers.empty()) return std::nullopt;
  std::optional<std::string> answer = answers.front();
  answers.pop_front();
  return answer;
}

}  // namespace orvane
