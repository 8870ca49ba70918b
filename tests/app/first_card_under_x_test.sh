#!/usr/bin/env bash
# A new user's first card, from the keyboard and the mouse alone, under a window manager: frame 1 made
# 7 pixels wider in its "largeur" list redraws the card, the "fichier" panel saves it to a file that
# says so, and a second run of the editor loads that file back, shows it and takes its name as caption.
set -euo pipefail
orvane=$1
orvane_cli=$2
here="$(dirname "$0")"
source "$here/x_test_helpers.sh"

# Places in the main window's client area: the "largeur" list of "CADRE 1" and the "fichier" panel.
width_list=(79 35)
file_panel=(77 464)
# Frame 1 of the start card spans the columns 48 to 136 and re-centred 7 pixels wider 43 to 138; row 60
# crosses it. Column 50 is inside both times, 45 and 137 only in the wider frame.
frame_row=60
frame_columns=(45 50 137)

card_window() { windows_named "édition de cartes de visite" | sed -n 1p; }
# The three columns' colours on the card window, one line.
frame_colours() { python3 "$here/window_pixels.py" "$card" "$frame_row" "${frame_columns[@]}"; }
frame_is_wide() {
  local inside_left inside outside_right
  read -r inside_left inside outside_right <<<"$(frame_colours)"
  [ "$inside_left" = "$inside" ] && [ "$outside_right" = "$inside" ]
}
frame_is_narrow() {
  local outside_left inside outside_right
  read -r outside_left inside outside_right <<<"$(frame_colours)"
  [ "$outside_left" != "$inside" ] && [ "$outside_right" != "$inside" ]
}

# The popup menus share the card window's name: a second window so named is the panel's menu.
menu_shown() { [ "$(windows_named "édition de cartes de visite" | wc -l)" -ge 2 ]; }
focused_name() { xdotool getwindowfocus getwindowname 2>/dev/null; }
# A file dialog is modal: it has the focus once it shows.
dialog_focused() {
  local name
  name=$(focused_name) || return 1
  [ -n "$name" ] && [ "$name" != "édition de cartes" ] && [ "$name" != "édition de cartes de visite" ]
}

# Opens the "fichier" panel's menu and chooses an item with the given keys.
choose_from_file_menu() {
  xdotool mousemove --window "$main_window" "${file_panel[@]}" click 1
  wait_until menu_shown || fail "the \"fichier\" panel opened no menu"
  xdotool key "$@"
}

# Waits for a file dialog, types a path into its name field, which has the focus, and confirms it.
answer_dialog() {
  wait_until dialog_focused || fail "no file dialog came"
  if [ -n "$2" ] && [ "$(focused_name)" != "$2" ]; then
    fail "the dialog \"$(focused_name)\" came instead of \"$2\""
  fi
  xdotool type --delay 5 "$1"
  xdotool key Return
}

editor_ended() { ! kill -0 "$editor" 2>/dev/null; }
# Waits for the editor to end by itself, with code 0.
wait_for_editor_end() {
  wait_until editor_ended || fail "the editor did not end"
  local code=0
  wait "$editor" || code=$?
  unset 'started[-1]'
  [ "$code" -eq 0 ] || fail "the editor ended with code $code"
}

folder="$work/cartes"
mkdir -p "$folder/element"
saved="$folder/premiere.ov1"
start_width=$(timeout 10 "$orvane_cli" start-card |
  python3 -c 'import json, sys; print(json.load(sys.stdin)["frames"][0]["frameWidth"])')

start_display
start_window_manager
start_editor
wait_for_main_window
card=$(card_window)
[ -n "$card" ] || fail "the card window is not shown"
wait_until frame_is_narrow || fail "frame 1 of the start card is not where expected: $(frame_colours)"

# Into the list, its text replaced, then Enter: the list acts when the key is released.
xdotool mousemove --window "$main_window" "${width_list[@]}" click 1
xdotool key ctrl+a
xdotool type "+7"
xdotool key Return
wait_until frame_is_wide || fail "the card did not redraw frame 1 wider: $(frame_colours)"

choose_from_file_menu s
answer_dialog "$folder/premiere" "définir le fichier paramêtre de la carte : "
saved_file() { [ -s "$saved" ]; }
wait_until saved_file || fail "nothing was saved: $(ls "$folder")"
choose_from_file_menu q
wait_for_editor_end

expected="19 - largeur texte 1 :$((start_width + 7))"
grep -q -a -x "$expected"$'\r' "$saved" || fail "the saved card lacks \"$expected\": $(grep -a 'largeur texte 1' "$saved")"

# A second run starts from the start card again and loads the saved one; "&Charger" shares its
# letter with another item, so the first press only selects it.
start_editor
wait_for_main_window
card=$(card_window)
wait_until frame_is_narrow || fail "the second run does not start with the start card: $(frame_colours)"
choose_from_file_menu c Return
answer_dialog "$saved" ""
# Asked of the main window itself: a grep -q that stops reading a long window list early would end the
# listing with a broken pipe, which pipefail counts as a failure.
caption_is_path() { [ "$(xdotool getwindowname "$main_window" 2>/dev/null)" = "$folder/premiere" ]; }
wait_until caption_is_path || fail "the main window's caption is not the loaded file's path: $(focused_name)"
wait_until frame_is_wide || fail "the loaded card does not show frame 1 wider: $(frame_colours)"
