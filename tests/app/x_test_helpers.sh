# Shared by the tests that run the real editor on a virtual X display: a UTF-8 locale (the X tools
# convert window names only in one; C.UTF-8 is on every Debian), a screen of a fixed size, and a
# private folder for the temporary files, the settings and the caches, removed on exit.
export LC_ALL=C.UTF-8
work="$(mktemp -d)"
export TMPDIR="$work/tmp" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$TMPDIR" "$XDG_RUNTIME_DIR"
# No printer: the start-up warning comes on every machine alike.
export CUPS_SERVER="$work/no-printer.sock"
unset QT_QPA_PLATFORM
started=()

# Stops what was started, the last first, so that no program outlives its display.
stop_started() {
  for ((i = ${#started[@]} - 1; i >= 0; i--)); do
    kill "${started[i]}" 2>/dev/null || true
    wait "${started[i]}" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap stop_started EXIT

fail() {
  echo "$1" >&2
  exit 1
}

# Polls `condition` (a command) every 0.1 s for up to 30 s, time enough on a busy machine.
wait_until() {
  for _ in $(seq 1 300); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  return 1
}

display_ready() { [ -s "$work/display" ]; }

# A virtual display of 1280 x 1024 pixels.
start_display() {
  # No reset between clients: the tests start the editor several times on one display.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
  started+=($!)
  wait_until display_ready || fail "the virtual display did not start"
  export DISPLAY=":$(head -n 1 "$work/display")"
}

window_manager_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# A window manager that draws frames round the windows, as on a desktop.
start_window_manager() {
  openbox --sm-disable >/dev/null 2>&1 &
  started+=($!)
  wait_until window_manager_ready || fail "the window manager did not start"
}

# Starts the editor with the given arguments; its pid is in $editor.
start_editor() {
  "$orvane" "$@" &
  editor=$!
  started+=("$editor")
}

# The ids of the shown windows named exactly `name`.
windows_named() {
  xwininfo -root -tree | sed -n "s/^ *\(0x[0-9a-f]*\) \"$1\": .*/\1/p" | while read -r id; do
    if xwininfo -id "$id" | grep -q 'Map State: IsViewable'; then echo "$id"; fi
  done
}

# sed reads the whole list: a reader that stopped early would break the pipe, a failure under pipefail.
main_window_id() { windows_named "édition de cartes" | sed -n 1p; }

# Waits for the main window; the start-up warning before it is answered with Enter.
wait_for_main_window() {
  for attempt in $(seq 1 300); do
    main_window=$(main_window_id)
    [ -n "$main_window" ] && return 0
    if ((attempt % 10 == 0)); then xdotool key Return 2>/dev/null || true; fi
    sleep 0.1
  done
  echo "windows:" >&2
  xwininfo -root -tree | grep -v "has no name" | head -20 >&2
  fail "the main window did not show"
}

# The working-copy folders left in the temporary folder.
working_folders() { find "$TMPDIR" -mindepth 1 -maxdepth 1; }
