#!/usr/bin/env bash
# orvane-cli card-sheet prints the card's sheet into a PDF; card-png draws the card as its window shows it.
set -euo pipefail
cli="$1"
data="$2/render"
source "$(dirname "$0")/cli_test_helpers.sh"

# How often `text` occurs in the text of `pdf`.
occurrences() {
  pdftotext "$1" - | grep -oF "$2" | wc -l
}

# The card names its pattern and icon relative to the folder the command runs in.
cd "$data"

"$cli" card-sheet carte.ov1 "$work/sheet.pdf"
pdfinfo "$work/sheet.pdf" | grep -q '^Pages: *1$' || fail "the sheet is not one page"
pdfinfo "$work/sheet.pdf" | grep -q '^Page size:.*(A4)' || fail "the page is not A4"
for line in "Anne Martin" "Graphiste indépendante" "12 rue des Lilas" "75011 Paris" "anne.martin@exemple.fr"; do
  [ "$(occurrences "$work/sheet.pdf" "$line")" -eq 12 ] || fail "'$line' is not printed as text on 12 cards"
done
[ "$(occurrences "$work/sheet.pdf" "Orvane-Brevanel : ")" -eq 1 ] || fail "no footer line"
pdftotext "$work/sheet.pdf" - | grep -qE 'Orvane-Brevanel : .*[0-9]{1,2}:[0-9]{2}:[0-9]{2}' || fail "the footer has no time"
[ ! -e "$work/sheet.pdf.part" ] || fail "the partial file was left behind"

# A test print holds one card; black and white and another resolution print the same texts.
"$cli" card-sheet carte.ov1 "$work/test.pdf" --test-print --bw --dpi 300
[ "$(occurrences "$work/test.pdf" "Anne Martin")" -eq 1 ] || fail "a test print is not one card"
[ "$(occurrences "$work/test.pdf" "Orvane-Brevanel : ")" -eq 1 ] || fail "no footer on the test print"

# The card picture has the card's size.
"$cli" card-png carte.ov1 "$work/card.png"
python3 - "$work/card.png" <<'PY' || fail "card.png is not a 185 x 293 PNG"
import struct, sys
data = open(sys.argv[1], "rb").read()
assert data[:8] == b"\x89PNG\r\n\x1a\n"
assert struct.unpack(">II", data[16:24]) == (185, 293)
PY

expect_error "usage: orvane-cli card-sheet" card-sheet carte.ov1
expect_error "--dpi takes a resolution from 72 to 2400" card-sheet carte.ov1 "$work/x.pdf" --dpi 0
expect_error "unknown option: --colour" card-sheet carte.ov1 "$work/x.pdf" --colour
expect_error "absent.ov1" card-sheet absent.ov1 "$work/x.pdf"
expect_error "usage: orvane-cli card-png" card-png carte.ov1

# A pattern that cannot be read is reported as the editor reports it, and no file is left.
LC_ALL=C sed 's/motif\.bmp/absent.bmp/' carte.ov1 >"$work/carte.ov1"
cp -r element "$work/"
expect_error "fichier :.\\absent.bmp non accessible" card-sheet "$work/carte.ov1" "$work/broken.pdf"
[ ! -e "$work/broken.pdf" ] && [ ! -e "$work/broken.pdf.part" ] || fail "a failed sheet left a file"
expect_error "fichier :.\\absent.bmp non accessible" card-png "$work/carte.ov1" "$work/broken.png"
[ ! -e "$work/broken.png" ] || fail "a failed picture left a file"

# A card larger than the editor draws is refused when it is loaded, with one line, not an abort.
LC_ALL=C sed -e 's/^15 - largeur carte :.*/15 - largeur carte :32000\r/' \
  -e 's/^16 - hauteur carte :.*/16 - hauteur carte :32000\r/' carte.ov1 >"$work/huge.ov1"
(ulimit -v 3000000 && expect_error "huge.ov1 : Problème dimension" card-png "$work/huge.ov1" "$work/huge.png")
[ ! -e "$work/huge.png" ] || fail "a failed picture left a file"
echo ok
