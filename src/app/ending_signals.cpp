#include "app/ending_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdlib>

namespace orvane {

namespace {

constexpr int endingSignalNumbers[] = {SIGTERM, SIGHUP, SIGINT};

// The handler may only do async-signal-safe work, so it hands the signal to the event loop through
// this pipe.
int signalPipe[2] = {-1, -1};

extern "C" void onEndingSignal(int signal) {
  const int savedErrno = errno;
  const auto number = static_cast<unsigned char>(signal);
  // A full pipe already holds a request to end; nothing is lost by dropping this one.
  [[maybe_unused]] const ssize_t written = write(signalPipe[1], &number, 1);
  errno = savedErrno;
}

/// Catches `signal` unless whoever started the program asked to ignore it (nohup, a background
/// job); returns whether it is caught.
bool catchSignal(int signal) {
  struct sigaction previous = {};
  if (sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN) return false;
  struct sigaction action = {};
  action.sa_handler = onEndingSignal;
  sigemptyset(&action.sa_mask);
  // A second signal while the windows close ends the process at once, as it would without us.
  action.sa_flags = SA_RESTART | SA_RESETHAND;
  return sigaction(signal, &action, nullptr) == 0;
}

}  // namespace

EndingSignals::EndingSignals() {
  if (pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &EndingSignals::endRun);
  for (int signal : endingSignalNumbers) {
    if (catchSignal(signal)) caught_.push_back(signal);
  }
}

EndingSignals::~EndingSignals() {
  if (!notifier_) return;
  for (int signal : caught_) std::signal(signal, SIG_DFL);
  delete notifier_;
  close(signalPipe[0]);
  close(signalPipe[1]);
  signalPipe[0] = signalPipe[1] = -1;
}

void EndingSignals::endRun() {
  unsigned char number = 0;
  if (read(signalPipe[0], &number, 1) != 1 || received_ != 0) return;
  received_ = number;
  // Ends every running loop, the main window's modal run and any message box above it; loops that
  // start afterwards return at once, so the editor closes without waiting for the user.
  QCoreApplication::exit(0);
}

void endProcessBy(int signal) {
  std::signal(signal, SIG_DFL);
  std::raise(signal);
  std::_Exit(128 + signal);
}

}  // namespace orvane
