#!/usr/bin/env bash
# orvane-cli starts without Qt and hands the commands that need it to orvane-cli-qt beside it: every
# command of the help is run by one of the two, from any folder and through a link, and a missing
# second program is said in one line. A command that lays out a sheet runs without Qt where the fonts
# allow it, else it is handed over, and gives what orvane-cli-qt gives either way.
set -euo pipefail
cli="$1"
data="$2"
source "$(dirname "$0")/cli_test_helpers.sh"

if readelf -d "$cli" | grep -i 'NEEDED.*Qt'; then fail "orvane-cli loads Qt at start"; fi

"$cli" --help | sed -n '/^commands:/,/^$/p' | grep -oE '^  [a-z-]+' >"$work/names"
[ "$(wc -l <"$work/names")" -ge 28 ] || fail "the help lists too few commands: $(cat "$work/names")"
while read -r name; do
  set +e
  (cd "$work" && timeout 60 "$cli" "$name" /nonexistent/orvane-test >/dev/null 2>"$work/err")
  status=$?
  set -e
  [ "$status" -le 2 ] || fail "$name exited $status: $(cat "$work/err")"
  if grep -qE 'unknown command|cannot be started' "$work/err"; then fail "$name is run by neither program"; fi
done <"$work/names"

# Through a link from another folder, a command of the second program runs.
mkdir "$work/elsewhere"
ln -s "$cli" "$work/elsewhere/orvane"
(cd / && "$work/elsewhere/orvane" cv-layout) >"$work/layout.json" || fail "cv-layout through a link failed"
grep -q '"controls"' "$work/layout.json" || fail "cv-layout through a link printed no controls"

# loads_qt ARGS...: whether the command loaded Qt on its way (the dynamic loader names what it loads); what
# it prints must be what orvane-cli-qt prints for the same command, each run in a folder of its own where
# the files it writes go.
loads_qt() {
  rm -rf "$work/front" "$work/qt" && mkdir "$work/front" "$work/qt"
  (cd "$work/front" && LD_DEBUG=libs "$cli" "$@" 2>"$work/loaded" >"$work/out.json") ||
    fail "$* failed: $(tail -n 3 "$work/loaded")"
  (cd "$work/qt" && "$(dirname "$cli")/orvane-cli-qt" "$@" >"$work/qt.json" 2>/dev/null)
  cmp -s "$work/out.json" "$work/qt.json" || fail "$* prints otherwise than orvane-cli-qt"
  grep -q 'libQt6Gui' "$work/loaded"
}
if loads_qt cv-layout; then fail "cv-layout in the machine's fonts loaded Qt"; fi
if loads_qt cv-check --lang de; then fail "cv-check in the machine's fonts loaded Qt"; fi
if loads_qt card-edit "$data/cardfile/carte.ov1" edited.ov1 "frame1.width=largeur + 7"; then
  fail "card-edit of a frame's width loaded Qt"
fi
# Another font resolution, and a photo to read, are Qt's to handle.
QT_FONT_DPI=96 loads_qt cv-layout || fail "cv-layout was not handed over under QT_FONT_DPI"
loads_qt cv-dump "$data/minicv/handwritten.ov4" || fail "cv-dump of a CV with a photo was not handed over"

# orvane-cli alone still runs its own commands and names what it lacks for the others.
mkdir "$work/alone"
cp "$cli" "$work/alone/orvane-cli"
cli="$work/alone/orvane-cli"
"$cli" catalogue fr 1 >/dev/null || fail "catalogue failed without the second program"
"$cli" card-dump "$data/cardfile/carte.ov1" | grep -q '"cardWidth"' || fail "card-dump failed without the second program"
# Without the font files module beside it either, a layout is handed over too.
expect_error "cv-layout: needs $work/alone/orvane-cli-qt, which cannot be started: No such file or directory" \
  cv-layout
expect_error "templates: needs $work/alone/orvane-cli-qt, which cannot be started: No such file or directory" \
  templates
