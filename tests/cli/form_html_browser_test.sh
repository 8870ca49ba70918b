#!/usr/bin/env bash
# A page written by orvane-cli form-html, opened in headless Chromium: every field reads back by name
# with its value, and the scripts typed into the fields' texts never run.
set -euo pipefail
cli="$1"
source "$(dirname "$0")/cli_test_helpers.sh"

cat >"$work/form.json" <<'JSON'
{"form": {"caption": "CV"},
 "controls": [
  {"kind": "edit", "name": "Nom", "left": 0, "top": 0, "width": 150, "height": 21,
   "text": "\"><script>document.body.setAttribute('data-injected', 'edit')</script>"},
  {"kind": "edit", "name": "Ville", "left": 0, "top": 30, "width": 150, "height": 21, "text": "Orléans & Tours"},
  {"kind": "memo", "name": "Loisirs", "left": 0, "top": 60, "width": 200, "height": 60,
   "lines": ["Vélo", "</TEXTAREA><script>document.body.setAttribute('data-injected', 'memo')</script>"]},
  {"kind": "checkbox", "name": "Permis", "left": 0, "top": 150, "width": 100, "height": 17, "text": "B", "checked": true},
  {"kind": "checkbox", "name": "Moto", "left": 120, "top": 150, "width": 100, "height": 17, "text": "A"},
  {"kind": "radio", "name": "Madame", "left": 0, "top": 180, "width": 80, "height": 17, "text": "Mme", "checked": true},
  {"kind": "radio", "name": "Monsieur", "left": 100, "top": 180, "width": 80, "height": 17, "text": "M."},
  {"kind": "combobox", "name": "Pays", "left": 0, "top": 210, "width": 120, "height": 21,
   "items": ["France=FR", "Belgique=BE"], "itemIndex": 1}
 ]}
JSON
"$cli" form-html "$work/form.json" "$work/page.html" >"$work/out.json"
grep -q '"messages": \[\]' "$work/out.json" || fail "fields were lost: $(cat "$work/out.json")"
browser_fields "$work/page.html" "$work/fields.json"

python3 - "$work/fields.json" <<'PYTHON'
import json, sys
fields = json.load(open(sys.argv[1], encoding="utf-8"))
wanted = [
    "Nom=\"><script>document.body.setAttribute('data-injected', 'edit')</script>",
    "Ville=Orléans & Tours",
    "Loisirs=Vélo\n</TEXTAREA><script>document.body.setAttribute('data-injected', 'memo')</script>\n",
    "Permis=YES",
    "Radio=Madame",
    "Pays=BE",
]
if fields != wanted:
    sys.exit(f"fields read back: {fields!r}\nexpected: {wanted!r}")
PYTHON
