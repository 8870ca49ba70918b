#pragma once
// The two printer dialogs: the print dialog of each print command and the printer setup.

#include <optional>

namespace orvane {

class PrintDialogs {
 public:
  virtual ~PrintDialogs() = default;
  /// The print dialog over the current printer (which it may change): the copies chosen, or nothing
  /// when it was cancelled.
  virtual std::optional<int> printDialog() = 0;
  /// The printer setup dialog, which may change the current printer; false when it was cancelled.
  virtual bool printerSetupDialog() = 0;
};

}  // namespace orvane
