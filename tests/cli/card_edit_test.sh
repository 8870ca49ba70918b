#!/usr/bin/env bash
# orvane-cli card-edit applies the main window's control rules to a card file and saves it as the
# save command does: the steps' messages and warning lines come out as JSON, and the file written
# loads back as the card the steps made.
set -euo pipefail
cli="$1"
data="$2/cardfile"
source "$(dirname "$0")/cli_test_helpers.sh"

mkdir -p "$work/edited/element"
"$cli" card-edit "$data/carte.ov1" "$work/edited/carte.ov1" "frame1.width=largeur + 7" "frame2.width=+500" \
  "frame1.left=bord gauche -3" card.spacing=abc card.spacing=15 "icon.margin=marge + 3" card.fill-style=1 \
  >"$work/edit.json"
"$cli" card-dump "$work/edited/carte.ov1" >"$work/reloaded.json"
"$cli" card-edit --lang en "$data/carte.ov1" "$work/edited/english.ov1" "frame1.width=width + 7" \
  "frame1.align=right" "card.orientation=horizontal" "card.width=width+10" >"$work/english.json"

python3 - "$work/edit.json" "$work/reloaded.json" "$work/english.json" "$("$cli" card-dump "$data/carte.ov1")" <<'PYTHON'
import json, sys
edit, reloaded, english = (json.load(open(path)) for path in sys.argv[1:4])
before = json.loads(sys.argv[4])
def expect(what, actual, wanted):
    if actual != wanted:
        sys.exit(f"{what}: got {actual!r}, expected {wanted!r}")
card = edit["card"]
width = before["frames"][0]["frameWidth"] + 7
expect("frame 1 widened and centred, then moved left",
       (card["frames"][0]["frameWidth"], card["frames"][0]["frameLeft"]),
       (width, (before["cardWidth"] - width) // 2 - 3))
# Frame 2 is transparent over the file's pattern: the first geometry change says it waits, once.
expect("messages", edit["messages"], ["Les modifications seront appliquées après avoir rendu les deux cadres opaques"])
expect("frame 2 cut to the card", card["frames"][1]["frameWidth"], before["cardWidth"])
expect("warnings", edit["warnings"],
       {"frame1": None, "frame2": "redimension automatique\r\nInformation 120"})
expect("spacing", card["spacing"], 15)
expect("icon margin", card["iconLeft"], before["iconLeft"] + 3)
expect("fill style", card["fillStyle"], "flood")
for key in ("cardWidth", "cardHeight", "spacing", "iconLeft"):
    expect("reloaded " + key, reloaded[key], card[key])
for a, b in zip(card["frames"], reloaded["frames"]):
    for key in ("frameLeft", "frameTop", "frameWidth", "frameHeight", "text", "frameTransparent"):
        expect("reloaded frame " + key, b[key], a[key])
expect("english alignment", english["card"]["frames"][0]["paragraphAlignments"], ["right", "right"])
# The file's card is upright: turning it swaps its sides, and with the orientation list showing
# "horizontal" the card's "width" list changes its height.
expect("turned card", (english["card"]["cardWidth"], english["card"]["cardHeight"], english["card"]["orientation"]),
       (before["cardHeight"], before["cardWidth"] + 10, "horizontal"))
expect("english message", english["messages"], ["The changes will be applied after making both frames opaque"])
PYTHON

# A side the loader could not read back is refused with frame 1's warning line, and the file written
# loads again.
"$cli" card-edit "$data/carte.ov1" "$work/edited/refused.ov1" card.width=-5000 "icon.length=+65530" \
  >"$work/refused.json"
"$cli" card-dump "$work/edited/refused.ov1" >"$work/refused_reloaded.json"
python3 - "$work/refused.json" "$work/refused_reloaded.json" "$("$cli" card-dump "$data/carte.ov1")" <<'PYTHON'
import json, sys
refused, reloaded = (json.load(open(path)) for path in sys.argv[1:3])
before = json.loads(sys.argv[3])
if refused["warnings"]["frame1"] != "Problème dimension\r\nInformation 110":
    sys.exit(f"warning: {refused['warnings']!r}")
for key in ("cardWidth", "iconHeight"):
    if (refused["card"][key], reloaded[key]) != (before[key], before[key]):
        sys.exit(f"{key}: {refused['card'][key]!r} reloaded as {reloaded[key]!r}, expected {before[key]!r}")
PYTHON

expect_error "unknown control: frame3.width" card-edit "$data/carte.ov1" "$work/x.ov1" frame3.width=+1
expect_error "a step is CONTROL=TEXT" card-edit "$data/carte.ov1" "$work/x.ov1" frame1.width
expect_error "card.fill-style: takes 1 or 0" card-edit "$data/carte.ov1" "$work/x.ov1" card.fill-style=oui
expect_error "--lang takes fr, en or de" card-edit --lang xx "$data/carte.ov1" "$work/x.ov1"
expect_error "usage: orvane-cli card-edit" card-edit "$data/carte.ov1"
[ ! -e "$work/x.ov1" ] || fail "a refused edit wrote its output"
