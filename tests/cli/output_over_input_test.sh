#!/usr/bin/env bash
# The commands that write a file never write it over their own input, named again or through a link:
# they exit 2 and the input is left as it was.
# Usage: output_over_input_test.sh PATH_TO_orvane-cli PATH_TO_tests/data
set -euo pipefail
cli=$1
source "$(dirname "$0")/cli_test_helpers.sh"

cp -r "$2/cardfile/carte.ov1" "$2/cardfile/element" "$work/"
cp -r "$2/minicv/handwritten.ov4" "$work/"
cp "$2/rtf/control_simple.rtf" "$work/text.rtf"
echo '{"controls": [{"kind": "edit", "name": "Edit1"}]}' >"$work/form.json"
ln -s "$work/carte.ov1" "$work/link.png"
cp -r "$work" "$work.before"
trap 'rm -rf "$work" "$work.before"' EXIT

expect_error "$work/carte.ov1: is the input file, not written over" card-png "$work/carte.ov1" "$work/carte.ov1"
expect_error "$work/link.png: is the input file" card-png "$work/carte.ov1" "$work/link.png"
expect_error "$work/./carte.ov1: is the input file" card-sheet "$work/carte.ov1" "$work/./carte.ov1" --bw
expect_error "is the input file" cv-html "$work/handwritten.ov4" "$work/handwritten.ov4"
expect_error "is the input file" form-html "$work/form.json" "$work/form.json"
expect_error "is the input file" rtf-write "$work/text.rtf" "$work/text.rtf"
for name in carte.ov1 handwritten.ov4 form.json text.rtf; do
  cmp "$work/$name" "$work.before/$name" || fail "$name was written over"
done
"$cli" card-png --help | grep -qF "never FILE.ov1 itself" || fail "card-png --help does not tell"
echo "output over input: all checks passed"
