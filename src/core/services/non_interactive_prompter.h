#pragma once
// A prompter for work without a window (the command-line tool, batch runs): it keeps every message in
// order and answers each question as a user who wants the operation done would.

#include <string>
#include <vector>

#include "services/prompter.h"

namespace orvane {

struct ShownMessage {
  MessageKind kind;
  std::string text;
  Buttons buttons;
  int helpContext;
  std::string title;
};

class NonInteractivePrompter : public Prompter {
 public:
  std::vector<ShownMessage> shown;

  /// Records the message and answers OK, or Yes where the question has no OK.
  Answer show(MessageKind kind, const std::string& text, Buttons buttons = Buttons::Ok, int helpContext = 0,
              const std::string& title = {}) override;
  /// The texts shown so far, in order.
  std::vector<std::string> texts() const;

  /// The button a user who wants the operation done presses.
  static Answer goAhead(Buttons buttons);
};

}  // namespace orvane
