#pragma once
// The card window's own run state: when it repaints its decorations, and how card access ends on the
// card itself.

#include <optional>

namespace orvane {

struct ShellState;

struct CardWindowState {
  bool decorationsPresent = false;  // an icon or a pattern is to be drawn by the repaint
  bool mouseMoved = false;          // the mouse moved over the card's own background
  bool okConfirmed = false;         // "ok" was chosen on the card
  bool closeGuard = false;          // closing only hides the window
  bool closed = false;              // the window has been destroyed
  /// The card's top as last set with the vertical track bar in this run: a card file loaded later
  /// keeps the window there.
  std::optional<int> trackBarTop;

  /// Whether the decoration repaint may draw now.
  bool repaintAllowed(const ShellState& shell) const;
  /// "appliquer": decorations present, the suspending flags cleared.
  void apply();
  /// Hiding the window clears the flags that suspend repaints.
  void hidden();
  /// A close request: true when the window is only to be hidden (after "ok").
  bool closeOnlyHides();
};

}  // namespace orvane
