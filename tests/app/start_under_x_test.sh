#!/usr/bin/env bash
# Starts the real editor on a virtual X display and checks the two windows it opens; an argument of
# unknown kind must end the program at once with code 0. The virtual display has no printer, so the
# start-up warning comes first: it is answered with Enter until the main window shows.
set -euo pipefail
orvane=$1
source "$(dirname "$0")/x_test_helpers.sh"

timeout 10 "$orvane" x.ov2
timeout 10 "$orvane" notes.txt

start_display
start_editor
wait_for_main_window
windows_shown() {
  local tree
  tree=$(xwininfo -root -tree)
  grep -q "\"édition de cartes\".*638x555" <<<"$tree" && grep -q "182x273" <<<"$tree"
}
wait_until windows_shown || fail "the main window is not 638x555 or the card is not 182x273"
