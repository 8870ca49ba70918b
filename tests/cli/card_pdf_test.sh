#!/usr/bin/env bash
# orvane-cli card-pdf writes the print-shop PDF: the card at its size as the TrimBox, the bleed around
# it as the BleedBox, crop marks beyond it, every font embedded.
set -euo pipefail
cli="$1"
data="$2/render"
source "$(dirname "$0")/cli_test_helpers.sh"

# box PDF NAME: the four numbers of a page box, in points.
box() {
  pdfinfo -box "$1" | sed -n "s/^$2: *//p"
}

# The card names its pattern and icon relative to the folder the command runs in.
cd "$data"
# The same card on plain colour: (255, 240, 224), its file colour $00E0F0FF.
LC_ALL=C sed 's/^4 - motif carte :.*/4 - motif carte :\r/' carte.ov1 >"$work/plain.ov1"
cp -r element "$work/"

"$cli" card-pdf carte.ov1 "$work/card.pdf"
pdfinfo "$work/card.pdf" | grep -q '^Pages: *1$' || fail "the print-shop PDF is not one page"
[ ! -e "$work/card.pdf.part" ] || fail "the partial file was left behind"
python3 - "$(box "$work/card.pdf" TrimBox)" "$(box "$work/card.pdf" BleedBox)" "$(box "$work/card.pdf" MediaBox)" <<'PY' ||
import sys
trim, bleed, media = ([float(v) * 25.4 / 72 for v in arg.split()] for arg in sys.argv[1:])
# 185 x 293 pixels at 96 per inch, 3 mm more on each side, and the page ends there.
size = [trim[2] - trim[0], trim[3] - trim[1], bleed[2] - bleed[0], bleed[3] - bleed[1]]
expected = [185 * 25.4 / 96, 293 * 25.4 / 96, 185 * 25.4 / 96 + 6, 293 * 25.4 / 96 + 6]
assert all(abs(a - b) < 0.05 for a, b in zip(size + trim[:2], expected + [bleed[0] + 3, bleed[1] + 3])), (trim, bleed)
assert media == bleed, (media, bleed)
PY
  fail "the boxes are not the card and a bleed of 3 mm"
pdffonts "$work/card.pdf" | awk 'NR > 2 && $(NF-4) != "yes" { bad = 1 } NR > 2 { n++ } END { exit bad || !n }' ||
  fail "a font is not embedded: $(pdffonts "$work/card.pdf")"
for line in "Anne Martin" "12 rue des Lilas"; do
  pdftotext "$work/card.pdf" - | grep -qF "$line" || fail "'$line' is not printed as text"
done

# On plain colour, the colour reaches the edge of the bleed; the crop marks are drawn beyond it.
"$cli" card-pdf "$work/plain.ov1" "$work/marks.pdf" --bleed 2,5 --crop-marks
pdftoppm -r 150 -aa no -aaVector no "$work/marks.pdf" "$work/marks"
python3 - "$work"/marks*.ppm "$(box "$work/marks.pdf" BleedBox)" "$(box "$work/marks.pdf" MediaBox)" \
  "$(box "$work/marks.pdf" TrimBox)" <<'PY' ||
import sys
data = open(sys.argv[1], "rb").read()
_, size, _, pixels = data.split(b"\n", 3)
width, height = map(int, size.split())
bleed, media, trim = ([float(v) for v in arg.split()] for arg in sys.argv[2:])
scale = width / (media[2] - media[0])
def pixel(x, y):
    i = 3 * (y * width + x)
    return tuple(pixels[i:i + 3])
# The bleed's edges, one pixel inside, in the page's pixels (rows run down from the top).
left, right = round((bleed[0] - media[0]) * scale), round((bleed[2] - media[0]) * scale) - 1
top, bottom = round((media[3] - bleed[3]) * scale), round((media[3] - bleed[1]) * scale) - 1
card = (255, 240, 224)
for x, y in [(left + 1, height // 2), (right - 1, height // 2), (width // 2, top + 1), (width // 2, bottom - 1),
             (left + 1, top + 1), (right - 1, bottom - 1)]:
    assert pixel(x, y) == card, (x, y, pixel(x, y))
# Black outside the card (whose texts are black) is a crop mark: none of it lies in the bleed.
trim_left, trim_right = round((trim[0] - media[0]) * scale), round((trim[2] - media[0]) * scale)
trim_top, trim_bottom = round((media[3] - trim[3]) * scale), round((media[3] - trim[1]) * scale)
on_card = lambda x, y: trim_left <= x < trim_right and trim_top <= y < trim_bottom
in_bleed = lambda x, y: left - 1 <= x <= right + 1 and top - 1 <= y <= bottom + 1
marks = [(x, y) for y in range(height) for x in range(width) if pixel(x, y) == (0, 0, 0) and not on_card(x, y)]
assert marks and not any(in_bleed(x, y) for x, y in marks), len(marks)
PY
  fail "the colour does not reach the bleed edge, or a crop mark lies inside the bleed"
box "$work/marks.pdf" MediaBox | python3 -c "
import sys; m = [float(v) for v in sys.stdin.read().split()]
assert abs((m[2] - m[0]) * 25.4 / 72 - (185 * 25.4 / 96 + 2 * 2.5 + 12)) < 0.05, m" ||
  fail "the page is not the bleed and 6 mm of crop marks on each side"

# A card saved on a denser screen has the size its file records, not that of its rescaled pixels.
LC_ALL=C sed -e 's/^15 - largeur carte :.*/15 - largeur carte :231\r/' -e 's/^\(49 - [^:]*:\).*/\1120\r/' \
  carte.ov1 >"$work/dense.ov1"
"$cli" card-pdf "$work/dense.ov1" "$work/dense.pdf" --bleed 0
box "$work/dense.pdf" TrimBox | python3 -c "
import sys; t = [float(v) for v in sys.stdin.read().split()]
assert abs((t[2] - t[0]) * 25.4 / 72 - 231 * 25.4 / 120) < 0.05, t" ||
  fail "the card saved at 120 pixels per inch is not 231 pixels at 120 per inch wide"

expect_error "usage: orvane-cli card-pdf" card-pdf carte.ov1
expect_error "--bleed takes a number of millimetres from 0 to 5" card-pdf carte.ov1 "$work/x.pdf" --bleed 6
expect_error "--bleed takes a number of millimetres from 0 to 5" card-pdf carte.ov1 "$work/x.pdf" --bleed
expect_error "unknown option: --marks" card-pdf carte.ov1 "$work/x.pdf" --marks
expect_error "absent.ov1" card-pdf absent.ov1 "$work/x.pdf"
[ ! -e "$work/x.pdf" ] || fail "a refused command left a file"
echo ok
