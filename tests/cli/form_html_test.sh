#!/usr/bin/env bash
# orvane-cli form-html converts a form described in JSON into a page: the fields come out by name with
# their values, the sheet's texts never become markup, the page is Windows-1252, overlapping controls
# are reported as JSON messages, and a bad description exits 2 with one line.
set -euo pipefail
cli="$1"
source "$(dirname "$0")/cli_test_helpers.sh"

cat >"$work/form.json" <<'JSON'
{"converter": {"QualifiedNames": true, "BrowserFamily": "bfChrome"},
 "form": {"caption": "Mon CV été", "attributes": {"Action": "mailto:cv@example.org"}},
 "controls": [
  {"kind": "groupbox", "name": "GroupBox1", "left": 0, "top": 0, "width": 300, "height": 120, "text": "&Identité",
   "children": [
    {"kind": "edit", "name": "Edit1", "left": 8, "top": 20, "width": 150, "height": 21,
     "text": "\"><script>alert(1)</script>", "attributes": {"ExtraAttributes": "onFocus=\"f()\""}},
    {"kind": "radio", "name": "RadioButton1", "left": 8, "top": 50, "width": 80, "height": 17, "text": "M"},
    {"kind": "radio", "name": "RadioButton2", "left": 100, "top": 50, "width": 80, "height": 17, "text": "F",
     "checked": true}]},
  {"kind": "button", "name": "Button1", "left": 0, "top": 140, "width": 90, "height": 25, "text": "&Envoyer"},
  {"kind": "label", "name": "Hidden", "left": 200, "top": 140, "width": 40, "height": 16, "text": "x",
   "visible": false}
 ]}
JSON
"$cli" form-html "$work/form.json" "$work/page.html" >"$work/out.json"
page="$(iconv -f WINDOWS-1252 -t UTF-8 "$work/page.html")"
has() { grep -qF -- "$1" <<<"$page" || fail "the page lacks: $1"; }
has '<META charset="windows-1252">'
has '<TITLE>Mon CV été</TITLE>'
has '<FORM Action="mailto:cv@example.org" Method="post">'
has 'onFocus="f()" Name="Form1_GroupBox1_Edit1" Size="18" Type="text" Value="&quot;&gt;&lt;script&gt;alert(1)&lt;/script&gt;">'
has '<INPUT Name="Form1_GroupBox1_Radio" Type="radio" Value="RadioButton1">'
has '<INPUT Checked Name="Form1_GroupBox1_Radio" Type="radio" Value="RadioButton2">'
has '&nbsp;Identité</TD>'
has 'Type="submit" Value="'
! grep -qF '<script>' "$work/page.html" || fail "a field's text became markup"
grep -q $'\xE9t\xE9' "$work/page.html" || fail "the page is not in Windows-1252"
[ "$(python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["messages"])' "$work/out.json")" = "[]" ] ||
  fail "unexpected messages: $(cat "$work/out.json")"

# Two labels in one place: the second is named in the "Lost controls" message, the page is written.
cat >"$work/overlap.json" <<'JSON'
{"controls": [{"kind": "label", "name": "Wide", "text": "abcdefghijkl"},
              {"kind": "label", "name": "Over", "left": 8, "text": "ab"}]}
JSON
"$cli" form-html "$work/overlap.json" "$work/overlap.html" >"$work/overlap.out"
python3 - "$work/overlap.out" <<'PYTHON'
import json, sys
messages = json.load(open(sys.argv[1]))["messages"]
if len(messages) != 1 or "- Over\n" not in messages[0] or "Spread them and try again..." not in messages[0]:
    sys.exit(f"lost controls: {messages!r}")
PYTHON
[ -s "$work/overlap.html" ] || fail "the page with lost controls was not written"

echo '{"controls": [{"kind": "slider", "name": "S1"}]}' >"$work/kind.json"
expect_error 'unknown kind "slider"' form-html "$work/kind.json" "$work/x.html"
echo '{"controls": [' >"$work/broken.json"
expect_error 'line 2, column 1' form-html "$work/broken.json" "$work/x.html"
echo '{"controls": [{"kind": "panel", "name": "P", "attributes": {"Border": "thick"}}]}' >"$work/border.json"
expect_error "'thick' is not a valid integer value" form-html "$work/border.json" "$work/x.html"
for colour in '#-12345' '#zzzzzz' '# 12345'; do
  echo "{\"form\": {\"color\": \"$colour\"}}" >"$work/colour.json"
  expect_error "form.color: a colour \"#RRGGBB\" is expected, not \"$colour\"" form-html "$work/colour.json" "$work/x.html"
done
# Sizes and positions are bounded: no negative size reaches the page, no size overflows the layout.
bad_size() {
  echo "{\"controls\": [{\"kind\": \"$1\", \"name\": \"C\", $2}]}" >"$work/size.json"
  expect_error "$3" form-html "$work/size.json" "$work/x.html"
}
bad_size edit '"width": -12' 'controls[0].width: a whole number from 0 to 1000000 is expected, not -12'
bad_size edit '"top": -1000001' 'controls[0].top: a whole number from -1000000 to 1000000 is expected'
bad_size label '"font": {"size": -8}' 'controls[0].font.size: a whole number from 1 to 1000 is expected, not -8'
bad_size radiogroup '"columns": 0' 'controls[0].columns: a whole number from 1 to 1000000 is expected, not 0'
bad_size edit '"attributes": {"Size": "-12"}' 'C.Size: a whole number from 0 to 1000000 is expected, not "-12"'
bad_size memo '"attributes": {"Cols": "300000000"}' 'C.Cols: a whole number from 0 to 1000000 is expected'
bad_size edit '"attributes": {"Size": "2147483647"}' 'C.Size: a whole number from 0 to 1000000 is expected'
expect_error 'usage: orvane-cli form-html' form-html "$work/form.json"
[ ! -e "$work/x.html" ] || fail "a failed conversion wrote a page"
