#!/usr/bin/env bash
# orvane-cli card-audit checks a card against a printer's measurements and fonts; card-print sends the
# sheet to the PDF printer, one page per copy.
set -euo pipefail
cli="$1"
data="$2/render"
source "$(dirname "$0")/cli_test_helpers.sh"

# The card names its pattern and icon relative to the folder the command runs in.
cd "$data"

# Its headers, icon and fonts (metric-compatible substitutes included) print as they show.
"$cli" card-audit carte.ov1 >"$work/clean.json"
python3 - "$work/clean.json" <<'PY' || fail "a card without findings: $(cat "$work/clean.json")"
import json, sys
audit = json.load(open(sys.argv[1], encoding="utf-8"))
assert audit == {"advice": [], "messages": ["Aucune anomalie n'est détectée"]}, audit
PY

# Frame 2's header as large as frame 1's, the icon 10 pixels over frame 1 and a face no font has.
cp -r element "$work/"
LC_ALL=C sed -e 's/^40 - taille police en-t.te cadre 2 :.*/40 - taille police en-t\xeate cadre 2 :14\r/' \
  -e 's/^35 - position horizontale image :.*/35 - position horizontale image :16\r/' \
  -e 's/^6 - nom police en-t.te cadre 1 :.*/6 - nom police en-t\xeate cadre 1 :Fantaisie\r/' \
  carte.ov1 >"$work/conseils.ov1"
"$cli" card-audit "$work/conseils.ov1" --printer pdf: >"$work/advice.json"
python3 - "$work/advice.json" <<'PY' || fail "the advice differs: $(cat "$work/advice.json")"
import json, sys
audit = json.load(open(sys.argv[1], encoding="utf-8"))
texts = [
    "Conseil 1 : choisissez une taille de police d'en-tête de cadre 1 au moins égale à : 14 - Avertissement 300",
    "Conseil 2 : diminuez la longueur du cadre 1 d'au moins :12 - Avertissement 310",
    "La fonte sélectionnée à la ligne : 1 du cadre 1, pourra être rendue différemment lors de l'impression, "
    "(voir l'aide pour plus d'information à ce sujet).",
]
assert audit["advice"] == [{"number": n + 1, "id": i, "text": t} for n, (i, t) in enumerate(zip([300, 310, 500], texts))]
assert audit["messages"] == texts
PY

# The PDF printer writes one page per copy, each the whole sheet, and keeps no partial file.
[ "$("$cli" card-print carte.ov1 --printer "pdf:$work/copies.pdf" --copies 2 --bw)" = '{"pages": 2}' ] ||
  fail "card-print did not print 2 pages"
pdfinfo "$work/copies.pdf" | grep -q '^Pages: *2$' || fail "the document is not 2 pages"
pdfinfo "$work/copies.pdf" | grep -q '^Title: *impression$' || fail "the document is not called impression"
[ "$(pdftotext -f 2 -l 2 "$work/copies.pdf" - | grep -oF "Anne Martin" | wc -l)" -eq 12 ] ||
  fail "the second copy is not the whole sheet"
[ ! -e "$work/copies.pdf.part" ] || fail "the partial file was left behind"
# A test print is one card on one page.
[ "$("$cli" card-print carte.ov1 --printer "pdf:$work/test.pdf" --test)" = '{"pages": 1}' ] ||
  fail "the test print is not one page"
[ "$(pdftotext "$work/test.pdf" - | grep -oF "Anne Martin" | wc -l)" -eq 1 ] || fail "the test print is not one card"

expect_error "usage: orvane-cli card-audit" card-audit
expect_error "no printer called absente" card-audit carte.ov1 --printer absente
expect_error "usage: orvane-cli card-print" card-print carte.ov1
expect_error "--copies takes a number from 1 to 999" card-print carte.ov1 --printer pdf:x.pdf --copies 0
expect_error "unknown option: --colour" card-print carte.ov1 --printer pdf:x.pdf --colour
expect_error "usage: orvane-cli printers" printers extra
echo ok
