#!/usr/bin/env bash
# Under a window manager that frames its windows, the main window's outer size, frame included, is
# 638 x 555 and it is centred by that size; the borderless card window keeps its own size and place.
set -euo pipefail
orvane=$1
source "$(dirname "$0")/x_test_helpers.sh"

# "WIDTHxHEIGHT+LEFT+TOP" of window `id` with its frame, and its frame's extents.
outer_geometry() {
  local extents left right top bottom
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ' ')
  IFS=, read -r left right top bottom <<<"${extents:-0,0,0,0}"
  xwininfo -id "$1" | awk -v l="$left" -v r="$right" -v t="$top" -v b="$bottom" '
    /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /Width:/ { w = $NF } /Height:/ { h = $NF }
    END { printf "%dx%d+%d+%d\n", w + l + r, h + t + b, x - l, y - t }'
}
frame_top() { xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | cut -d, -f3 | tr -d ' '; }

start_display
start_window_manager
start_editor
wait_for_main_window
framed() { [ "$(frame_top "$main_window")" -gt 0 ] 2>/dev/null; }
wait_until framed || fail "the window manager put no frame round the main window"
# Centred on the 1280 x 1024 screen: (1280 - 638) / 2 and (1024 - 555) / 2 rounded half to even.
main_placed() { [ "$(outer_geometry "$main_window")" = "638x555+321+234" ]; }
wait_until main_placed || fail "main window with its frame: $(outer_geometry "$main_window"), expected 638x555+321+234"

card=$(windows_named "édition de cartes de visite")
[ -n "$card" ] || fail "the card window is not shown"
[ "$(outer_geometry "$card")" = "182x273+9+41" ] || fail "card window: $(outer_geometry "$card"), expected 182x273+9+41"
