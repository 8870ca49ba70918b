#!/usr/bin/env bash
# orvane-cli card-dump shows a card file as the editor loads it; card-save writes it back unchanged.
set -euo pipefail
cli="$1"
data="$2/cardfile"
source "$(dirname "$0")/cli_test_helpers.sh"

# Saved again under its own name, the hand-written file comes out byte for byte.
mkdir "$work/plain"
"$cli" card-save "$data/carte.ov1" "$work/plain/carte.ov1"
cmp "$data/carte.ov1" "$work/plain/carte.ov1"

# With an element folder beside it, the frame texts go there and load back the same.
mkdir -p "$work/full/element"
"$cli" card-save "$data/carte.ov1" "$work/full/carte.ov1"
test -s "$work/full/element/C1carte.rtf" && test -s "$work/full/element/C2carte.rtf"

python3 - "$("$cli" card-dump "$data/carte.ov1")" "$("$cli" card-dump "$work/full/carte.ov1")" \
  "$("$cli" card-dump "$data/fifty_lines.ov1")" "$("$cli" card-dump "$data/saved_at_120dpi.ov1")" <<'PYTHON'
import json, sys
original, resaved, older, at120 = (json.loads(text) for text in sys.argv[1:])
def expect(what, actual, wanted):
    if actual != wanted:
        sys.exit(f"{what}: got {actual!r}, expected {wanted!r}")
expect("card size", (original["cardWidth"], original["cardHeight"], original["cardTop"]), (340, 204, 31))
expect("card colour", original["cardColor"], 0xF0C0CD)
expect("icon file", original["iconFile"], "C:\\Mes images\\logo société.ico")
expect("transparency", original["transparency"], 2)
expect("messages", original["messages"], [])
frame1, frame2 = original["frames"]
expect("frame 1", [frame1[k] for k in ("frameLeft", "frameTop", "frameWidth", "frameHeight")], [90, 12, 240, 90])
expect("frame 2 colour", frame2["frameColor"], 0x80FF00)
expect("header font", (frame1["headerFont"]["name"], frame1["headerFont"]["size"], frame1["headerFont"]["bold"]),
       ("Times New Roman", 14, True))
expect("frame 1 text", frame1["text"], "Jean Dupré\nConseil en énergie")
expect("frame 1 alignments", frame1["paragraphAlignments"], ["centre", "centre"])
expect("frame 2 alignments", frame2["paragraphAlignments"], ["right", "right"])
expect("text file", frame1["frameTextFile"].endswith("/cardfile/element/C1carte.rtf"), True)
for a, b in zip(original["frames"], resaved["frames"]):
    expect("resaved text", b["text"], a["text"])
    expect("resaved header font", b["headerFont"], a["headerFont"])
expect("older version", older["messages"],
       ["Orvane : votre fichier parait provenir d'une version ancienne ; veuillez le mettre à jour avec cette version"])
expect("rescaled width", (at120["cardWidth"], at120["cardHeight"]), (182, 273))
PYTHON

# However large the file, the card is read from its first lines only: a file of nothing but line
# breaks is read with less memory than its own size.
python3 - "$cli" "$work" <<'PYTHON'
import resource, subprocess, sys
cli, work = sys.argv[1:]
size = 64 * 1024 * 1024
chunk = b"\r\n" * (512 * 1024)
with open(f"{work}/breaks.ov1", "wb") as file:  # written piecewise: the child starts as a copy of us
    for _ in range(size // len(chunk)):
        file.write(chunk)
subprocess.run([cli, "card-dump", f"{work}/breaks.ov1"], stdout=subprocess.DEVNULL, check=True)
peak = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss * 1024
if peak >= size:
    sys.exit(f"card-dump of a {size}-byte file peaked at {peak} bytes")
PYTHON

expect_error "usage" card-dump
expect_error "Fichier non trouvé : $work/missing.ov1" card-dump "$work/missing.ov1"
expect_error "Fichier de nom incorrect" card-dump a.ov
# A name's control bytes are shown escaped, on the one line of the error, never sent to the terminal.
expect_error "Fichier non trouvé : $work/a\u001b[31mb\nc.ov1" card-dump "$work/a"$'\e'"[31mb"$'\n'"c.ov1"
# A pipe would wait for a writer and a device never ends: neither is read.
mkfifo "$work/pipe.ov1"
ln -s /dev/zero "$work/zero.ov1"
expect_error "Fichier non trouvé : $work/pipe.ov1" card-dump "$work/pipe.ov1"
expect_error "Fichier non trouvé : $work/zero.ov1" card-dump "$work/zero.ov1"
expect_error "usage" card-save "$data/carte.ov1"
expect_error "could not be written" card-save "$data/carte.ov1" "$work/nowhere/carte.ov1"
TMPDIR="$work/nowhere" expect_error "no temporary folder" card-dump "$data/carte.ov1"
