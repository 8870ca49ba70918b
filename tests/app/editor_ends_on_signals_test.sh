#!/usr/bin/env bash
# The editor ends in order when it is asked to stop: on SIGTERM, SIGHUP and Ctrl+C (SIGINT) it removes
# its working-copy folder and then ends as the signal ends a program, also while a message box is open.
set -euo pipefail
orvane=$1
source "$(dirname "$0")/x_test_helpers.sh"

# Ends the editor with `signal` and checks how it ended and what it left.
end_editor_with() {
  local signal=$1 status=0
  kill -s "$signal" "$editor"
  wait "$editor" || status=$?
  [ "$status" -eq $((128 + $(kill -l "$signal"))) ] || fail "SIG$signal: the editor exited with $status"
  [ -z "$(working_folders)" ] || fail "SIG$signal left $(working_folders)"
}

start_display
# Job control keeps SIGINT for the editor, as in a terminal; a plain background job would ignore it.
set -m
for signal in TERM HUP INT; do
  start_editor
  wait_for_main_window
  [ -n "$(working_folders)" ] || fail "the editor has no working folder while it runs"
  end_editor_with "$signal"
done

# The start-up warning (no printer) is open over the card window, both named after the program.
warning_open() { [ "$(windows_named "édition de cartes de visite" | wc -l)" -ge 2 ]; }
start_editor
wait_until warning_open || fail "the start-up warning did not show"
end_editor_with TERM

# Started as a background job that ignores SIGINT (nohup, an ampersand without job control), the
# editor leaves the signal ignored: only the SIGTERM that follows it ends the run.
set +m
start_editor
wait_for_main_window
kill -s INT "$editor"
end_editor_with TERM
