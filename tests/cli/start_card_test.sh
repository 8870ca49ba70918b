#!/usr/bin/env bash
# orvane-cli start-card prints the start card as JSON and refuses extra arguments.
set -euo pipefail
cli="$1"

output="$("$cli" start-card)"
python3 -c '
import json, sys
card = json.loads(sys.argv[1])
def expect(what, actual, wanted):
    if actual != wanted:
        sys.exit(f"{what}: got {actual!r}, expected {wanted!r}")
expect("card size", (card["cardWidth"], card["cardHeight"]), (182, 273))
expect("cardTop", card["cardTop"], 41)
expect("cardColor", card["cardColor"], 0xF0C0CD)
expect("patternMode", card["patternMode"], "dim")
expect("cardAccess", card["cardAccess"], False)
frame1, frame2 = card["frames"]
expect("frame 1", [frame1[k] for k in ("frameLeft", "frameTop", "frameWidth", "frameHeight")], [48, 24, 89, 81])
expect("frame alignments", (frame1["frameAlignment"], frame2["frameAlignment"]), (2, 0))
expect("frame 2 colour", frame2["frameColor"], 0xFFCDC0)
expect("header font name", frame1["headerFont"]["name"], "")
expect("text", frame2["text"], "")
expect("ratio", card["layoutRatios"]["frame1Width"], 89 / 182)
expect("landscape width", card["snapshot0"]["landscapeFrame1Width"], 156)
expect("slot 0 filled", card["snapshot0"]["filled"], True)
' "$output"

set +e
"$cli" start-card extra 2>/dev/null
status=$?
set -e
if [ "$status" -ne 2 ]; then
  echo "start-card with an argument exited $status, expected 2" >&2
  exit 1
fi
