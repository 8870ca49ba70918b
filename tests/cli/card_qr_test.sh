#!/usr/bin/env bash
# orvane-cli card-edit gives a card a contact from a vCard file and shows it as a QR code; card-vcard
# prints the vCard, and the QR code of the printed sheet, rasterised as a scanner or a phone sees it,
# reads back as exactly that vCard.
set -euo pipefail
cli="$1"
data="$2/render"
source "$(dirname "$0")/cli_test_helpers.sh"
for tool in zbarimg pdftoppm; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

# A contact with accents, commas, semicolons and a 200-character address, in another program's style.
python3 - "$work/other.vcf" <<'PYTHON'
import sys
address = "12, rue de l'Église; bâtiment C, escalier 4; "
while len(address) < 200:
    address += "Åéèçô;, "
address = address[:200]
escaped = address.replace("\\", "\\\\").replace(",", "\\,").replace(";", "\\;")
lines = ["BEGIN:VCARD", "VERSION:3.0", "N:Dupré-Løvås;Hélène;;;", "FN:Hélène Dupré-Løvås",
         "TITLE:Relieuse\\, doreuse\\; restauratrice", "ORG:Atelier Dupré", "TEL;TYPE=work:+33 1 23 45 67 89",
         "TEL;TYPE=cell:06 12 34 56 78", "EMAIL:helene@exemple.fr", "URL:https://exemple.fr/atelier",
         "ADR;TYPE=work:;;" + escaped + ";;;;", "END:VCARD"]
open(sys.argv[1], "w", encoding="utf-8", newline="").write("\r\n".join(lines) + "\r\n")
open(sys.argv[1] + ".address", "w", encoding="utf-8").write(address)
PYTHON

# The card names its pattern and icon relative to the folder the command runs in.
cd "$data"
mkdir -p "$work/qr/element"
"$cli" card-edit carte.ov1 "$work/qr/carte.ov1" "contact.file=$work/other.vcf" contact.qr=1 \
  contact.qr-left=2 contact.qr-top=100 contact.qr-size=180 >/dev/null
[ -s "$work/qr/element/Qcarte.vcf" ] || fail "the contact was not saved beside the card"
grep -q "^X-ORVANE-QR:shown=1;left=2;top=100;size=180;colour=black" "$work/qr/element/Qcarte.vcf" ||
  fail "the QR code's placement was not saved: $(cat "$work/qr/element/Qcarte.vcf")"

"$cli" card-vcard "$work/qr/carte.ov1" >"$work/card.vcf"
python3 - "$work/card.vcf" "$work/other.vcf.address" <<'PYTHON'
import sys
vcard = open(sys.argv[1], "rb").read().decode("utf-8")
address = open(sys.argv[2], encoding="utf-8").read()
lines = vcard.split("\r\n")
assert lines[0] == "BEGIN:VCARD" and lines[1] == "VERSION:4.0" and lines[-1] == "", lines
assert all(len(line.encode("utf-8")) <= 75 for line in lines), "a line is not folded"
unfolded = vcard.replace("\r\n ", "")
assert "N:Dupré-Løvås;Hélène;;;" in unfolded
assert "TITLE:Relieuse\\, doreuse\\; restauratrice" in unfolded
assert "X-ORVANE" not in unfolded
escaped = address.replace("\\", "\\\\").replace(",", "\\,").replace(";", "\\;")
assert "ADR:;;" + escaped + ";;;;\r\n" in unfolded, unfolded
PYTHON

# The code prints over the frames; in colour and in black and white, at 300 and 150 dpi.
decode() {
  pdftoppm -r "$2" -png -singlefile "$1" "$work/raster"
  # The symbol's bytes as they are, rather than in the character set zbarimg would guess for them.
  zbarimg --quiet --raw -Sbinary "$work/raster.png" >"$work/decoded" 2>/dev/null
  cmp -s "$work/decoded" "$work/card.vcf" || fail "$1 at $2 dpi decodes as: $(cat "$work/decoded")"
}
"$cli" card-sheet "$work/qr/carte.ov1" "$work/colour.pdf" --test-print
"$cli" card-sheet "$work/qr/carte.ov1" "$work/bw.pdf" --test-print --bw
for dpi in 300 150; do
  decode "$work/colour.pdf" "$dpi"
  decode "$work/bw.pdf" "$dpi"
done

# A card without a contact has no vCard; bad steps are refused.
set +e
"$cli" card-vcard carte.ov1 >"$work/none" 2>"$work/err"
status=$?
set -e
[ "$status" -eq 1 ] || fail "a card without a contact exited $status"
grep -q "the card has no contact" "$work/err" || fail "no reason given: $(cat "$work/err")"
expect_error "contact.qr-size: takes a size from 29" card-edit carte.ov1 "$work/x.ov1" contact.qr-size=20
expect_error "contact.qr-left: takes a whole number" card-edit carte.ov1 "$work/x.ov1" contact.qr-left=a
expect_error "contact.file: $work/none.vcf: cannot be read" card-edit carte.ov1 "$work/x.ov1" \
  "contact.file=$work/none.vcf"
expect_error "usage: orvane-cli card-vcard" card-vcard
