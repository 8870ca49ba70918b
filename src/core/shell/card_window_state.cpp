#include "shell/card_window_state.h"

#include "shell/card_editor_shell.h"

namespace orvane {

bool CardWindowState::repaintAllowed(const ShellState& shell) const {
  if (shell.quitting || okConfirmed || mouseMoved || shell.mouseOverPanel) return false;
  return decorationsPresent;
}

void CardWindowState::apply() {
  decorationsPresent = true;
  mouseMoved = false;
  okConfirmed = false;
}

void CardWindowState::hidden() {
  mouseMoved = false;
  okConfirmed = false;
}

bool CardWindowState::closeOnlyHides() {
  if (closeGuard) {
    hidden();
    return true;
  }
  closed = true;
  return false;
}

}  // namespace orvane
