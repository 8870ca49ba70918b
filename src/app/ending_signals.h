#pragma once
// Ends the editor in order when the terminal or the system asks it to (SIGTERM, SIGHUP, Ctrl+C):
// the windows close and the destructors run, so the working copies and their folder go as on "Quitter".

#include <QObject>
#include <vector>

class QSocketNotifier;

namespace orvane {

class EndingSignals : public QObject {
 public:
  /// Catches the three signals until destroyed; needs the application object.
  EndingSignals();
  ~EndingSignals() override;
  EndingSignals(const EndingSignals&) = delete;
  EndingSignals& operator=(const EndingSignals&) = delete;

  /// The signal that ended the run, or 0.
  int received() const { return received_; }

 private:
  void endRun();

  QSocketNotifier* notifier_ = nullptr;
  std::vector<int> caught_;
  int received_ = 0;
};

/// Once everything is cleaned up, ends the process as `signal` would have, so that the shell that
/// started it sees why it stopped.
[[noreturn]] void endProcessBy(int signal);

}  // namespace orvane
