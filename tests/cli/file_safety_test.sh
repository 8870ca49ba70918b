#!/usr/bin/env bash
# Every command that writes a file replaces it whole or not at all: it never writes through a link
# planted beside the file in a shared folder, never touches files of other names there, keeps the old
# file and fails when the disk is full, and refuses a name its parameter file cannot record.
set -euo pipefail
cli="$1"
data="$2"
source "$(dirname "$0")/cli_test_helpers.sh"
cd "$work"
cp -r "$data/render/." card
cp -r "$data/minicv/." cv

# Only the files named are left in FOLDER: no staging file stays behind.
only() {
  local folder="$1"
  shift
  [ "$(ls -A "$folder" | sort | tr '\n' ' ')" = "$(for name in "$@"; do echo "$name"; done | sort | tr '\n' ' ')" ] ||
    fail "$folder holds: $(ls -A "$folder" | tr '\n' ' ')"
}

# Links planted at the names earlier saves staged through, and at the bitmap's backup name.
out="$work/out"
mkdir "$out" "$out/element"
echo precious >"$work/victim"
for name in carte.ov1.writing sheet.pdf.part page.pdf.part cv.html.writing old_fond.bmp shop.pdf.part \
  calibration.pdf.part \
  element/C1transitansi.rtf element/R1transitansi.rtf savedov1.txt; do
  ln -s "$work/victim" "$out/$name"
done
python3 - "$out/fond.bmp" <<'PY'
import struct, sys
image = bytes(24)
head = b"BM" + struct.pack("<IHHI", 54 + len(image), 0, 0, 54)
info = struct.pack("<IiiHHIIiiII", 40, 3, 2, 1, 24, 0, 0, 2835, 2835, 0, 0)  # image size field 0
open(sys.argv[1], "wb").write(head + info + image)
PY
cp "$out/fond.bmp" "$work/fond.before"
(cd card && "$cli" card-save carte.ov1 "$out/carte.ov1" && "$cli" card-save carte.ov1 "$out/carte?.ov1" &&
  "$cli" card-sheet carte.ov1 "$out/sheet.pdf" && "$cli" card-pdf carte.ov1 "$out/shop.pdf" &&
  "$cli" card-calibration "$out/calibration.pdf")
(cd cv && "$cli" cv-sheet handwritten.ov4 "$out/page.pdf" >/dev/null &&
  "$cli" cv-html handwritten.ov4 "$out/cv.html" >/dev/null && "$cli" cv-save handwritten.ov4 "$out/cv?.ov4")
"$cli" bmp-check --repair "$out/fond.bmp" >/dev/null
[ "$(cat "$work/victim")" = precious ] || fail "a save wrote through a planted link"
[ ! -L "$out/old_fond.bmp" ] && cmp -s "$out/old_fond.bmp" "$work/fond.before" ||
  fail "the backup is not a file of its own holding the former bitmap"
for name in carte.ov1.writing sheet.pdf.part element/C1transitansi.rtf savedov1.txt; do
  [ -L "$out/$name" ] || fail "$name was removed"
done

# A full disk: each writer fails with exit 2 and keeps the file it would have replaced.
full() {
  local status=0
  (
    trap '' XFSZ
    ulimit -f 1
    exec "$cli" "$@"
  ) >/dev/null 2>"$work/err" || status=$?
  [ "$status" -eq 2 ] || fail "$* exited $status on a full disk, expected 2"
}
mkdir "$work/full"
for name in sheet.pdf card.png page.pdf shop.pdf calibration.pdf; do echo good >"$work/full/$name"; done
(cd card && full card-sheet carte.ov1 "$work/full/sheet.pdf" && full card-png carte.ov1 "$work/full/card.png" &&
  full card-pdf carte.ov1 "$work/full/shop.pdf" && full card-calibration "$work/full/calibration.pdf")
(cd cv && full cv-sheet handwritten.ov4 "$work/full/page.pdf")
for name in sheet.pdf card.png page.pdf shop.pdf calibration.pdf; do
  [ "$(cat "$work/full/$name")" = good ] || fail "$name was replaced by a failed write"
done
only "$work/full" sheet.pdf card.png page.pdf shop.pdf calibration.pdf

# Names the file cannot record so that its texts are found again are refused; nothing is written.
refused() {
  local status=0
  "$cli" "$@" >/dev/null 2>"$work/err" || status=$?
  [ "$status" -eq 2 ] && grep -qF "Fichier de nom incorrect ou non défini : $work/odd/" "$work/err" ||
    fail "$* was not refused: $status $(cat "$work/err")"
}
mkdir -p "$work/odd/element"
for name in "Łódź" $'deux\nlignes' $'\xff'; do
  (cd card && refused card-save carte.ov1 "$work/odd/$name.ov1" && refused card-edit carte.ov1 "$work/odd/$name.ov1")
  (cd cv && refused cv-save handwritten.ov4 "$work/odd/$name.ov4")
done
only "$work/odd" element
only "$work/odd/element"
echo ok
