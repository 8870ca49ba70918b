#!/usr/bin/env bash
# orvane-cli templates lists the card stock; card-sheet prints on it, moved by a calibration;
# card-calibration writes the calibration page.
set -euo pipefail
cli="$1"
data="$2"
source "$(dirname "$0")/cli_test_helpers.sh"
command -v pdftotext >/dev/null || { echo "pdftotext (poppler-utils) is missing"; exit 77; }

# The templates of this test only: none from the machine's user or system folders.
export XDG_CONFIG_HOME="$work/config"
export ORVANE_SYSTEM_TEMPLATES=""
"$cli" templates >"$work/templates.json"
python3 - "$work/templates.json" <<'PY' || fail "templates does not list the shipped templates"
import json, sys
stocks = json.load(open(sys.argv[1]))
assert [s["id"] for s in stocks] == ["a4-3x4-orvane", "a4-2x5-85x54", "a4-2x5-85x55", "a4-2x4-85x54",
                                     "letter-2x5-3.5x2in", "letter-2x4-3.5x2in"], stocks
orvane, a4 = stocks[0], stocks[1]
assert orvane == {"id": "a4-3x4-orvane", "name": "A4 3 × 4 (Orvane)", "paper": [210, 297], "card": None,
                  "columns": 4, "rows": 3, "origin": [5, 5], "pitch": None, "source": "built-in"}, orvane
assert a4 == {"id": "a4-2x5-85x54", "name": "A4 2 × 5, 85 × 54 mm", "paper": [210, 297], "card": [85, 54],
              "columns": 2, "rows": 5, "origin": [15, 13.5], "pitch": [95, 54], "source": "shipped"}, a4
letter = stocks[5]
assert letter["paper"] == [215.9, 279.4] and letter["pitch"] == [101.6, 63.5], letter
PY

# The user's folder and a system database: each bad file is told, naming it, and the others load.
mkdir -p "$work/config/Brevanel/Orvane"
cp -r "$data/stock/user" "$work/config/Brevanel/Orvane/templates"
ORVANE_SYSTEM_TEMPLATES="$data/stock/system" "$cli" templates >"$work/templates.json" 2>"$work/notes"
[ "$(wc -l <"$work/notes")" -eq 4 ] || fail "expected four skipped files: $(cat "$work/notes")"
for told in "bad-unit.xml : unité de longueur inconnue : height=\"54 furlongs\"" \
  "missing.xml : attribut manquant : dy" "too-big.xml : la grille de cartes dépasse la page" \
  "broken.xml : XML non valide à la ligne"; do
  grep -qF "$told" "$work/notes" || fail "not told: $told"
done
python3 - "$work/templates.json" <<'PY' || fail "the user's and the system's templates are not listed"
import json, sys
stocks = {s["id"]: s for s in json.load(open(sys.argv[1]))}
assert stocks["a4-3x8-60x30"]["source"] == "user", stocks
assert stocks["letter-2x5-3.5x2in-2"]["name"] == "Maker 8871 : Business Cards", stocks
assert stocks["letter-2x5-3.5x2in-2"]["source"] == "system"
assert len(stocks) == 8, sorted(stocks)
PY

# A card of each shipped template's cell size prints centred in every cell: its words stand where
# they stand on the sheet of twelve, moved from the first card's corner to each cell's.
cd "$data/render"
cp -r element "$work/"
card_of_size() {  # WIDTH HEIGHT OUT: carte.ov1 turned into a card of that many pixels
  LC_ALL=C sed -e "s/^3 - orientation :.*/3 - orientation :paysage\r/" \
    -e "s/^15 - largeur carte :.*/15 - largeur carte :$1\r/" -e "s/^16 - hauteur carte :.*/16 - hauteur carte :$2\r/" \
    -e "s/^23 - hauteur texte 2 :.*/23 - hauteur texte 2 :90\r/" \
    -e "s/^24 - top origine texte 2 :.*/24 - top origine texte 2 :95\r/" carte.ov1 >"$3"
}
check_sheet() {  # TEMPLATE PIXELS... : the sheet on the template against the sheet of twelve
  local id="$1" width="$2" height="$3"
  card_of_size "$width" "$height" "$work/card.ov1"
  "$cli" card-sheet "$work/card.ov1" "$work/twelve.pdf"
  "$cli" card-sheet "$work/card.ov1" "$work/stock.pdf" --template "$id"
  "$cli" card-sheet "$work/card.ov1" "$work/moved.pdf" --template "$id" --offset-x 2 --offset-y -1.5
  python3 - "$work/templates.json" "$id" "$width" "$height" "$work/twelve.pdf" "$work/stock.pdf" \
    "$work/moved.pdf" <<'PY' || fail "the cards of $id do not stand in its cells"
import json, subprocess, sys, xml.etree.ElementTree as tree
stocks = {s["id"]: s for s in json.load(open(sys.argv[1]))}
stock, width, height = stocks[sys.argv[2]], int(sys.argv[3]), int(sys.argv[4])
mm = 25.4 / 72
def words(pdf, text="Martin"):
    out = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True, check=True).stdout
    page = tree.fromstring(out.decode()).find(".//{http://www.w3.org/1999/xhtml}page")
    found = [(float(w.get("yMin")) * mm, float(w.get("xMin")) * mm, page) for w in page.iter() if w.text == text]
    return sorted((x, y) for y, x, _ in found), (float(page.get("width")) * mm, float(page.get("height")) * mm)
twelve, _ = words(sys.argv[5])
# The first card of the sheet of twelve stands at 118 dots of 600 per inch from the corner.
inset = (twelve[0][0] - 118 * 25.4 / 600, min(y for _, y in twelve) - 118 * 25.4 / 600)
card = (width * 25.4 / 96, height * 25.4 / 96)
cw, ch = stock["card"]
expected = sorted((stock["origin"][0] + c * stock["pitch"][0] + (cw - card[0]) / 2 + inset[0],
                   stock["origin"][1] + r * stock["pitch"][1] + (ch - card[1]) / 2 + inset[1])
                  for c in range(stock["columns"]) for r in range(stock["rows"]))
for pdf, shift in ((sys.argv[6], (0, 0)), (sys.argv[7], (2, -1.5))):
    placed, paper = words(pdf)
    assert abs(paper[0] - stock["paper"][0]) < 0.5 and abs(paper[1] - stock["paper"][1]) < 0.5, paper
    assert len(placed) == len(expected), (len(placed), len(expected))
    for (x, y), (ex, ey) in zip(placed, expected):
        assert abs(x - ex - shift[0]) <= 0.1 and abs(y - ey - shift[1]) <= 0.1, (pdf, x, y, ex, ey, shift)
PY
}
check_sheet a4-2x5-85x54 321 204
check_sheet a4-2x5-85x55 321 208
check_sheet a4-2x4-85x54 321 204
check_sheet letter-2x5-3.5x2in 336 192
check_sheet letter-2x4-3.5x2in 300 180

# A card larger than the cells is refused; the options say what they take.
expect_error "La carte (48.9 x 77.5 mm) est plus grande que les cases de la feuille A4 2 × 5, 85 × 54 mm" \
  card-sheet carte.ov1 "$work/x.pdf" --template a4-2x5-85x54
[ ! -e "$work/x.pdf" ] || fail "a refused sheet left a file"
expect_error "unknown template: a4-9x9 (orvane-cli templates lists them)" card-sheet carte.ov1 "$work/x.pdf" --template a4-9x9
expect_error "--scale takes a percentage from 95 to 105" card-sheet carte.ov1 "$work/x.pdf" --scale 120
expect_error "--offset-x takes millimetres from -10 to 10" card-sheet carte.ov1 "$work/x.pdf" --offset-x 2mm
expect_error "--offset-y takes millimetres from -10 to 10" card-print carte.ov1 --printer "pdf:$work/x.pdf" --offset-y -11

# card-print takes the template too: its page is the template's paper.
card_of_size 336 192 "$work/card.ov1"
"$cli" card-print "$work/card.ov1" --printer "pdf:$work/printed.pdf" --template letter-2x5-3.5x2in --copies 2 >"$work/out"
grep -q '"pages": 2' "$work/out" || fail "card-print did not print two pages"
pdfinfo "$work/printed.pdf" | grep -q '^Page size:.*(letter)' || fail "card-print's page is not US Letter"
[ "$(pdftotext "$work/printed.pdf" - | grep -c "Martin")" -eq 20 ] || fail "not ten cards a page"

# The calibration page: its printer, its instructions and the rulers' centimetre numbers.
"$cli" card-calibration "$work/calibration.pdf" --template letter-2x4-3.5x2in
pdfinfo "$work/calibration.pdf" | grep -q '^Page size:.*(letter)' || fail "the calibration page is not US Letter"
pdftotext "$work/calibration.pdf" - >"$work/calibration.txt"
grep -q "Page de calibrage de l'imprimante : PDF - " "$work/calibration.txt" || fail "no title on the calibration page"
grep -q "20 mm attendus" "$work/calibration.txt" || fail "no instructions on the calibration page"
[ "$(grep -cx "150" "$work/calibration.txt")" -eq 2 ] || fail "the rulers do not end at 150"
expect_error "usage: orvane-cli card-calibration" card-calibration
echo ok
