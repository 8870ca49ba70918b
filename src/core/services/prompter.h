#pragma once
// The only way a message box appears. The Qt layer shows real boxes; tests script the answers.

#include <string>

namespace orvane {

enum class MessageKind { Plain, Information, Warning, Error, Confirmation };
enum class Buttons { Ok, OkCancel, OkAbort, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Abort, Yes, No };

/// The help context of the numbered warnings and errors that the help guide explains.
inline constexpr int helpContextNumbered = 9;

class Prompter {
 public:
  virtual ~Prompter() = default;
  /// Shows `text` with `buttons` and returns the button pressed. `helpContext` 0 means no help.
  virtual Answer show(MessageKind kind, const std::string& text, Buttons buttons = Buttons::Ok,
                      int helpContext = 0, const std::string& title = {}) = 0;
};

}  // namespace orvane
