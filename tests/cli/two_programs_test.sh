#!/usr/bin/env bash
# orvane-cli starts without Qt and hands the commands that need it to orvane-cli-qt beside it: every
# command of the help is run by one of the two, from any folder and through a link, and a missing
# second program is said in one line.
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

# orvane-cli alone still runs its own commands and names what it lacks for the others.
mkdir "$work/alone"
cp "$cli" "$work/alone/orvane-cli"
cli="$work/alone/orvane-cli"
"$cli" catalogue fr 1 >/dev/null || fail "catalogue failed without the second program"
"$cli" card-dump "$data/cardfile/carte.ov1" | grep -q '"cardWidth"' || fail "card-dump failed without the second program"
expect_error "cv-layout: needs $work/alone/orvane-cli-qt, which cannot be started: No such file or directory" \
  cv-layout
