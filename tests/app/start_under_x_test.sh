#!/usr/bin/env bash
# Starts the real editor on a virtual X display and checks the two windows it opens; an argument of
# unknown kind must end the program at once with code 0. The virtual display has no printer, so the
# start-up warning comes first: it is answered with Enter until the main window shows.
set -euo pipefail
orvane=$1

timeout 10 "$orvane" x.ov2
timeout 10 "$orvane" notes.txt

xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -euo pipefail
  "$0" & pid=$!
  trap "kill $pid 2>/dev/null || true" EXIT
  for attempt in $(seq 1 100); do
    tree=$(xwininfo -root -tree 2>/dev/null || true)
    if grep -q "\"édition de cartes\".*638x555" <<<"$tree" && grep -q "182x273" <<<"$tree"; then
      exit 0
    fi
    if (( attempt % 10 == 0 )); then xdotool key Return 2>/dev/null || true; fi
    sleep 0.1
  done
  echo "windows not found:"; xwininfo -root -tree | grep -v "has no name" | head -20
  exit 1
' "$orvane"
