#pragma once
// A scripted one-line question: it answers from a queue and records each question asked.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "services/input_query.h"

namespace orvane {

class ScriptedInputQuery : public InputQuery {
 public:
  struct Question {
    std::string title;
    std::string prompt;
    std::string proposed;
  };
  /// Answers used in order; an empty queue, or nothing queued, answers cancel.
  std::deque<std::optional<std::string>> answers;
  std::vector<Question> asked;

  std::optional<std::string> ask(const std::string& title, const std::string& prompt,
                                 const std::string& proposed) override;
};

}  // namespace orvane
