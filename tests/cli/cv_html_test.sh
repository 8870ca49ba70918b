#!/usr/bin/env bash
# orvane-cli cv-html exports a mini-CV file as the editor's "exporter" does: the sheet enlarged by the
# factor the editor's question would give, the photo referred to from the current folder, and the
# failures reported on one line.
set -euo pipefail
cli="$1"
source "$(dirname "$0")/cli_test_helpers.sh"
cp -r "$2/minicv/." "$work/"
cd "$work"

# factor_and_image ARGS...: the factor printed, then the photo's tag in the page written.
factor_and_image() {
  "$cli" cv-html handwritten.ov4 page.html "$@" | python3 -c 'import json, sys; print(json.load(sys.stdin)["factor"])'
  grep -o '<IMG [^>]*Panel1_zImage1[^>]*>' page.html
}
[ "$(factor_and_image)" = $'1.5\n<IMG SRC=".\\photo.bmp" Height="195" Name="Panel1_zImage1" Type="image" Width="165">' ] ||
  fail "default factor: $(factor_and_image)"
[ "$(factor_and_image --factor 3 | tail -n 1)" = "$(factor_and_image | tail -n 1)" ] || fail "3 is not taken as 1.5"
[ "$(factor_and_image --factor abc)" = $'1.1\n<IMG SRC=".\\photo.bmp" Height="143" Name="Panel1_zImage1" Type="image" Width="121">' ] ||
  fail "abc: $(factor_and_image --factor abc)"
[ "$(factor_and_image --factor 2 | head -n 1)" = "2" ] || fail "2 is within the range"
grep -q '<META charset="windows-1252">' page.html || fail "the page does not declare its encoding"

expect_error "absent.ov4" cv-html absent.ov4 page.html
expect_error "Cannot create file '$work/absent/page.html' !" cv-html handwritten.ov4 "$work/absent/page.html"
expect_error "usage: orvane-cli cv-html" cv-html handwritten.ov4
