#pragma once
#include "services/prompter.h"

class QWidget;

namespace orvane {

/// Message boxes as real, modal Qt message boxes.
class QtPrompter : public Prompter {
 public:
  Answer show(MessageKind kind, const std::string& text, Buttons buttons, int helpContext,
              const std::string& title) override;
};

}  // namespace orvane
