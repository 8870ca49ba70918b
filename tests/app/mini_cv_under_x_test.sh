#!/usr/bin/env bash
# A new user's first mini-CV, with the mouse and the keyboard: "Mini-CV" > "Editer" shows the editor
# in place of the main window; a surname typed shows in its field; the photo element switched on and a
# bitmap chosen through "charger photo" shows the picture; zone 2 switched off and on again restacks
# the zones where the command-line tool's layout says; ten lines typed into zone 3 make the window
# taller; "fin" brings the main window back.
set -euo pipefail
orvane=$1
orvane_cli=$2
here="$(dirname "$0")"
source "$here/x_test_helpers.sh"

# The "Mini-CV" panel in the main window's client area, and a point of the editor's own background
# between the sheet and the element column.
mini_cv_panel=(418 464)
editor_background=(460 300)

# Pop-up menus take the application's name, as the card window does: one more window so named is a
# menu that opened.
named_like_card() { windows_named "édition de cartes de visite" | wc -l; }
# Runs the click it is given, waits for the menu it opens and picks the menu's first item.
first_item_of_menu() {
  local before
  before=$(named_like_card)
  "$@"
  menu_opened() { [ "$(named_like_card)" -gt "$before" ]; }
  wait_until menu_opened || fail "no menu opened"
  xdotool key Down Return
}

editor_window() { windows_named "Orvane : mini-cv" | sed -n 1p; }
editor_shown() { [ -n "$(editor_window)" ]; }
main_hidden() { [ -z "$(main_window_id)" ]; }
main_shown() { [ -n "$(main_window_id)" ]; }

# The place of a control in the editor's client area, from the sheet the command-line tool lays out
# after the given steps: "LEFT TOP WIDTH HEIGHT VISIBLE" (parents' offsets added).
place_of() {
  local name=$1
  shift
  timeout 20 "$orvane_cli" cv-layout "$@" | python3 -c '
import json, sys
controls = json.load(sys.stdin)["controls"]
name = sys.argv[1]
control = controls[name]
left, top, visible = control["left"], control["top"], control["visible"]
parent = control["parent"]
while parent in controls:
    left += controls[parent]["left"]
    top += controls[parent]["top"]
    visible = visible and controls[parent]["visible"]
    parent = controls[parent]["parent"]
print(left, top, control["width"], control["height"], int(visible))' "$name"
}

# The colours of the editor's pixels at row Y, columns X...
pixels() { python3 "$here/window_pixels.py" "$cv" "$@"; }

click_at() { xdotool mousemove --window "$cv" "$1" "$2" click 1; }
# Clicks the middle of a control laid out as the given steps leave the sheet.
click_control() {
  local left top width height visible
  read -r left top width height visible <<<"$(place_of "$@")"
  click_at $((left + width / 2)) $((top + height / 2))
}
# Clicks a check box on its box: its caption may end before its middle.
click_box() {
  local left top width height visible
  read -r left top width height visible <<<"$(place_of "$@")"
  click_at $((left + 7)) $((top + height / 2))
}

start_display
start_window_manager
start_editor
wait_for_main_window

first_item_of_menu xdotool mousemove --window "$main_window" "${mini_cv_panel[@]}" click 1
wait_until editor_shown || fail "\"Editer\" did not show the mini-CV editor"
wait_until main_hidden || fail "the main window is still shown beside the editor"
cv=$(editor_window)

# The surname: its field shows dark letters on white once typed.
read -r left top width height visible <<<"$(place_of Edit2)"
row=$((top + height / 2))
columns=$(seq -s ' ' $((left + 3)) 2 $((left + 60)))
click_at $((left + 10)) "$row"
xdotool type --delay 20 "Durand"
has_text() { pixels "$row" $columns | tr ' ' '\n' | grep -qv '^ffffff$'; }
wait_until has_text || fail "the typed surname does not show in its field"

# The photo: its element switched on, then a blue bitmap chosen in the picture dialog.
python3 - "$work/portrait.bmp" <<'PY'
import struct, sys
width, height = 40, 80
row = b"\xff\x00\x00" * width + b"\x00" * ((4 - width * 3 % 4) % 4)
pixels = row * height
header = b"BM" + struct.pack("<IHHI", 54 + len(pixels), 0, 0, 54)
info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
open(sys.argv[1], "wb").write(header + info + pixels)
PY
click_box CheckBox1
first_item_of_menu click_at "${editor_background[@]}"
dialog_focused() {
  local name
  name=$(xdotool getwindowfocus getwindowname 2>/dev/null) || return 1
  [ -n "$name" ] && [ "$name" != "Orvane : mini-cv" ]
}
wait_until dialog_focused || fail "\"charger photo\" opened no file dialog"
xdotool type --delay 5 "$work/portrait.bmp"
xdotool key Return
read -r left top width height visible <<<"$(place_of zImage1 element.0=1)"
photo_blue() { [ "$(pixels $((top + height / 2)) $((left + width / 2)))" = "0000ff" ]; }
wait_until photo_blue || fail "the photo does not show: $(pixels $((top + height / 2)) $((left + width / 2)))"

# Zone 2 off, then on again: its text shows white where the layout puts it.
read -r left top width height visible <<<"$(place_of REdit2)"
zone_blank() { [ "$(pixels $((top + 5)) $((left + 5)))" != "ffffff" ]; }
click_box CheckBox13
wait_until zone_blank || fail "zone 2 still shows once switched off"
read -r left top width height visible <<<"$(place_of REdit2 element.12=0 element.12=1)"
[ "$visible" = 1 ] || fail "the layout does not show zone 2 switched on again"
zone_white() { [ "$(pixels $((top + 5)) $((left + 5)))" = "ffffff" ]; }
click_box CheckBox13 element.12=0
wait_until zone_white || fail "zone 2 does not show where the layout puts it: $(pixels $((top + 5)) $((left + 5)))"

# Ten lines into zone 3: the window grows.
window_height() { xwininfo -id "$cv" | sed -n 's/^ *Height: //p'; }
before=$(window_height)
click_control REdit3 element.12=0 element.12=1
for line in 1 2 3 4 5 6 7 8 9 10; do xdotool type --delay 5 "ligne $line"; xdotool key Return; done
taller() { [ "$(window_height)" -gt "$before" ]; }
wait_until taller || fail "the window did not grow with zone 3 ($before pixels high)"

# "fin": the main window comes back.
click_control Button2
wait_until main_shown || fail "\"fin\" did not bring the main window back"
wait_until test -z "$(editor_window)" || fail "the editor still shows after \"fin\""
