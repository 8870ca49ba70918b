#pragma once
// A one-line question: a box with a prompt and an edit field. The Qt layer shows a real box; tests
// script the answers.

#include <optional>
#include <string>

namespace orvane {

class InputQuery {
 public:
  virtual ~InputQuery() = default;
  /// The text typed, starting from `proposed`; nothing when the box was cancelled.
  virtual std::optional<std::string> ask(const std::string& title, const std::string& prompt,
                                         const std::string& proposed) = 0;
};

}  // namespace orvane
