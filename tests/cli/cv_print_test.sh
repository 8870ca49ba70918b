#!/usr/bin/env bash
# orvane-cli cv-sheet prints a mini-CV through the PDF printer; cv-test-print measures it against the
# page. The page is checked as PDF text: what prints, where, and the signature's direction.
set -euo pipefail
cli="$1"
source "$(dirname "$0")/cli_test_helpers.sh"
cp -r "$2/minicv/." "$work/"
cd "$work"

occurrences() {
  pdftotext "$1" - | grep -oF "$2" | wc -l
}

# The default page: landscape, three copies across it, each signed.
"$cli" cv-sheet handwritten.ov4 page.pdf >out.json
grep -q '"pages": 1' out.json || fail "cv-sheet did not report one page: $(cat out.json)"
pdfinfo page.pdf | grep -q '^Pages: *1$' || fail "the page is not one page"
pdfinfo page.pdf | grep -qE '^Page size: *84[12].* x 595' || fail "the default page is not landscape A4"
[ "$(occurrences page.pdf MARTIN)" -eq 3 ] || fail "the default page does not hold three copies"
[ "$(occurrences page.pdf "Orvane-Brevanel")" -eq 3 ] || fail "not one signature per copy"
[ ! -e page.pdf.part ] || fail "the partial file was left behind"

"$cli" cv-dump handwritten.ov4 >dump.json
pdftotext -bbox page.pdf bbox.html
python3 - dump.json bbox.html <<'PY' || fail "the texts are not where the scale puts them, or the signature does not read upwards"
import json, re, sys
controls = json.load(open(sys.argv[1]))["controls"]
words = [(float(a), float(b), float(c), float(d), w) for a, b, c, d, w in re.findall(
    r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>', open(sys.argv[2]).read())]

def origin(name):
    x = y = 0
    while name != "Panel1":
        x += controls[name]["left"]; y += controls[name]["top"]; name = controls[name]["parent"]
    return x, y

# A4 landscape at 600 dpi printable to its edges: 5 mm margins of 118 dots, three 450-pixel slots.
dpi, margin = 600, 118
k = (297 / 25.4 * dpi - margin) / (3 * 450)
points = lambda dots: dots * 72 / dpi
field = next(name for name, c in controls.items() if c["text"] == "elise.martin@exemple.fr")
x, y = origin(field)
found = sorted(w for w in words if w[4] == "elise.martin@exemple.fr")
assert len(found) == 3, found
for copy, word in enumerate(found):
    left = points(round(k * (x + 2 + copy * 450)) + margin)
    top, bottom = points(round(k * y) + margin), points(round(k * (y + controls[field]["height"])) + margin)
    assert abs(word[0] - left) < 4, (copy, word, left)
    assert top <= (word[1] + word[3]) / 2 <= bottom, (copy, word, top, bottom)
# The signature stands upright and reads upwards: the words after its name lie above it.
name = next(w for w in words if w[4] == "Orvane-Brevanel")
colon = next(w for w in words if w[4] == ":" and abs(w[0] - name[0]) < 2)
assert name[3] - name[1] > 3 * (name[2] - name[0]), name
assert colon[3] <= name[1] + 1, (name, colon)
PY

# The number per page and the orientation choose the copies.
"$cli" cv-sheet handwritten.ov4 one.pdf --per-page 1 --no-signature --no-frames --bw >/dev/null
[ "$(occurrences one.pdf MARTIN)" -eq 1 ] || fail "--per-page 1 does not print one copy"
[ "$(occurrences one.pdf "Orvane-Brevanel")" -eq 0 ] || fail "--no-signature still signs"
"$cli" cv-sheet handwritten.ov4 two.pdf --orientation vertical --per-page 2 >/dev/null
pdfinfo two.pdf | grep -qE '^Page size: *595.* x 84[12]' || fail "vertical does not turn the page upright"
[ "$(occurrences two.pdf MARTIN)" -eq 2 ] || fail "vertical with 2 does not print two copies"

# The tri-version prints three different CVs side by side.
LC_ALL=C sed 's/^3 - nom :MARTIN/3 - nom :DUPONT/' handwritten.ov4 >second.ov4
LC_ALL=C sed 's/^3 - nom :MARTIN/3 - nom :DURAND/' handwritten.ov4 >third.ov4
"$cli" cv-sheet handwritten.ov4 tri.pdf --with second.ov4 third.ov4 --per-page 3 >/dev/null
for name in MARTIN DUPONT DURAND; do
  [ "$(occurrences tri.pdf "$name")" -eq 1 ] || fail "the tri-version does not print $name once"
done

# The test print of a sheet that fits reports nothing out of bounds and writes nothing.
"$cli" cv-test-print handwritten.ov4 --orientation vertical >test.json
python3 - test.json <<'PY' || fail "the test print report is wrong: $(cat test.json)"
import json, sys
report = json.load(open(sys.argv[1]))
assert report["outOfBounds"] == 0 and report["messages"] == [], report
assert report["report"][1].endswith("vertical") and report["report"][2].endswith("2"), report
assert report["report"][4].endswith(":0"), report
PY

# A zone line wider than its zone is reported with the line.
printf '{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs18 %s\\par}' "$(printf 'W%.0s' $(seq 120))" >element/R2cv.rtf
"$cli" cv-test-print handwritten.ov4 --per-page 3 >wide.json
python3 - wide.json <<'PY' || fail "a wide line is not reported: $(cat wide.json)"
import json, sys
report = json.load(open(sys.argv[1]))
assert report["outOfBounds"] >= 1, report
assert any(m.startswith("Texte trop large détecté dans : ") and m.endswith("W" * 120) for m in report["messages"]), report
PY

expect_error "usage: orvane-cli cv-sheet" cv-sheet handwritten.ov4
expect_error "impression interrompue" cv-sheet handwritten.ov4 missing/folder/out.pdf
expect_error "--orientation takes vertical or horizontal" cv-sheet handwritten.ov4 x.pdf --orientation diagonal
expect_error "--per-page takes 1 or 2 on a vertical page" cv-test-print handwritten.ov4 --orientation vertical --per-page 3
expect_error "unknown option: --bw" cv-test-print handwritten.ov4 --bw
echo ok
