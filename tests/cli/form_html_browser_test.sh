#!/usr/bin/env bash
# A page written by orvane-cli form-html, opened in headless Chromium: a script of the page's own (in
# the form's AfterElement, markup on purpose) reads back every field by name with its value, and the
# scripts typed into the fields' texts never run.
set -euo pipefail
cli="$1"
source "$(dirname "$0")/cli_test_helpers.sh"

browser="$(command -v chromium || true)"
if [ -z "$browser" ]; then
  echo "skipped: chromium is not installed (scripts/bootstrap installs it)"
  exit 77
fi

cat >"$work/form.json" <<'JSON'
{"form": {"caption": "CV", "attributes": {"AfterElement":
   "<script>var out = []; for (const e of document.forms[0].elements) { if ((e.type !== 'radio' && e.type !== 'checkbox') || e.checked) out.push(e.name + '=' + e.value); } var pre = document.createElement('pre'); pre.id = 'fields'; pre.textContent = JSON.stringify(out); document.body.appendChild(pre);</script>"}},
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
HOME="$work" timeout 120 "$browser" --headless --no-sandbox --disable-gpu --no-first-run \
  --user-data-dir="$work/profile" --dump-dom "file://$work/page.html" >"$work/dom.html" 2>"$work/browser.log" ||
  fail "chromium failed: $(tail -3 "$work/browser.log")"

python3 - "$work/dom.html" <<'PYTHON'
import html, json, re, sys
dom = open(sys.argv[1], encoding="utf-8").read()
if re.search(r"<body[^>]*data-injected", dom):
    sys.exit("a script typed into a field ran in the page")
found = re.search(r'<pre id="fields">(.*?)</pre>', dom, re.S)
if not found:
    sys.exit("the page's own script did not run: " + dom[:300])
fields = json.loads(html.unescape(found.group(1)))
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
