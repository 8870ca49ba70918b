#!/usr/bin/env bash
# orvane-cli cv-dump shows a mini-CV file as the editor loads it; cv-save writes it again with its zone
# files, and a file it wrote comes out of a second save byte for byte.
set -euo pipefail
cli="$1"
data="$2/minicv"
source "$(dirname "$0")/cli_test_helpers.sh"

# No element folder beside the new file: the save makes it rather than lose the zone texts.
mkdir -p "$work/a" "$work/b"
"$cli" cv-save "$data/handwritten.ov4" "$work/a/cv.ov4"
for zone in 1 2 3 4; do test -s "$work/a/element/R${zone}cv.rtf"; done
"$cli" cv-save "$work/a/cv.ov4" "$work/b/cv.ov4"
cmp "$work/a/cv.ov4" "$work/b/cv.ov4"

python3 - "$("$cli" cv-dump "$data/handwritten.ov4")" "$("$cli" cv-dump "$work/b/cv.ov4")" <<'PYTHON'
import json, sys
original, resaved = (json.loads(text) for text in sys.argv[1:])
def expect(what, actual, wanted):
    if actual != wanted:
        sys.exit(f"{what}: got {actual!r}, expected {wanted!r}")
fields = original["fields"]
expect("web site with its port", fields["12"], "http://www.exemple.fr:8080/cv")
expect("colon in a value", fields["11"], "** bâtiment B : 3e étage")
expect("zone file without the label's blank", fields["15"], ".\\element\\R1cv.rtf")
expect("language as read", fields["35"], "it")
expect("lines", sorted(map(int, fields)), list(range(1, 36)))
expect("messages", original["messages"],
       ["Les langues acceptées sont 'fr', 'en', 'de' , veuillez vérifier ce paramêtre dan le fichier ov4 (ligne 35)"])
expect("zone 4 found beside the file", original["zones"][3], "randonnée, piano")
expect("states", original["elemstat"], "1101111001111111")
expect("field", original["controls"]["Edit1"]["text"], "Élise")
expect("title", original["controls"]["Label11"]["text"], "Langues parlées")

expect("language saved", resaved["fields"]["35"], "fr")
expect("zone files renamed", resaved["fields"]["18"], ".\\element\\R4cv.rtf")
expect("messages", resaved["messages"], [])
expect("zones", resaved["zones"], original["zones"])
for line in ["1", "2", "11", "12", "14", "21", "24", "28", "31", "34"]:
    expect(f"line {line}", resaved["fields"][line], fields[line])
expect("sheet", resaved["controls"], original["controls"])
PYTHON

expect_error "usage: orvane-cli cv-dump" cv-dump
expect_error "absent.ov4" cv-dump "$work/absent.ov4"
expect_error "usage: orvane-cli cv-save" cv-save "$data/handwritten.ov4"
