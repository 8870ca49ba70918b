#!/usr/bin/env bash
# orvane-cli rtf-dump prints an RTF file as JSON; rtf-write writes it again as a companion file.
set -euo pipefail
cli="$1"
data="$2/rtf"
source "$(dirname "$0")/cli_test_helpers.sh"

"$cli" rtf-dump "$data/control_simple.rtf" >"$work/dump.json"
python3 - "$work/dump.json" <<'PY'
import json, sys
document = json.load(open(sys.argv[1], encoding="utf-8"))
def expect(what, actual, wanted):
    if actual != wanted:
        sys.exit(f"{what}: got {actual!r}, expected {wanted!r}")
paragraphs = document["paragraphs"]
expect("paragraphs", len(paragraphs), 5)
expect("alignments", [p["alignment"] for p in paragraphs], ["centre", "left", "right", "left", "left"])
first = paragraphs[0]["runs"][0]
expect("first run", (first["text"], first["format"]["name"], first["format"]["size"], first["format"]["bold"]),
       ("Jean Dupont", "Arial", 12, True))
expect("accents", paragraphs[1]["runs"][0]["text"], "Ingénieur développement")
expect("colour", paragraphs[1]["runs"][0]["format"]["colour"], 0x0000FF)
expect("runs of line 3", [r["text"] for r in paragraphs[2]["runs"]], ["Tél. 01 23 45 67 89", "\t", "fax"])
expect("strike", paragraphs[2]["runs"][2]["format"]["strikeOut"], True)
expect("insertion", document["insertionFormat"]["size"], 11)
PY

# Written again, the file has the patched header and reads as the same document.
"$cli" rtf-write "$data/word_processor.rtf" "$work/copy.rtf"
[ "$(head -c 12 "$work/copy.rtf")" = '{\rtf1\utf8\' ] || fail "rtf-write: header not patched"
LC_ALL=C grep -q $'[\x80-\xff]' "$work/copy.rtf" && fail "rtf-write: non-ASCII byte in the file"
"$cli" rtf-dump "$data/word_processor.rtf" >"$work/in.json"
"$cli" rtf-dump "$work/copy.rtf" >"$work/out.json"
cmp -s "$work/in.json" "$work/out.json" || fail "rtf-write changed the document"

expect_error "unexpected end of file" rtf-dump "$data/truncated.rtf"
expect_error "not an RTF file" rtf-dump "$data/not_rtf.rtf"
expect_error "groups nested too deeply" rtf-write "$data/deep_nesting.rtf" "$work/deep.rtf"
[ ! -e "$work/deep.rtf" ] || fail "rtf-write wrote a file for a broken input"
expect_error "cannot read" rtf-dump "$work/absent.rtf"
expect_error "cannot read" rtf-dump "$work"
expect_error "cannot write" rtf-write "$data/control_simple.rtf" "$work/no-folder/out.rtf"
expect_error "usage" rtf-dump
expect_error "usage" rtf-write "$data/control_simple.rtf"
