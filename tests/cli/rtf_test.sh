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

# A header after a byte-order mark and blanks, in upper case, is still RTF: the dump agrees with the
# editor. A damaged or non-RTF file is still refused above, so that a script learns of the damage.
printf '\xEF\xBB\xBF \r\n{\\RTF1 caf\\'"'"'e9}' >"$work/header.rtf"
"$cli" rtf-dump "$work/header.rtf" | grep -qF '"text": "café"' || fail "rtf-dump refused a header after a mark"

# Memory follows the file: a large one costs at most four times its size more than a small one (the
# JSON of a document is several times its RTF, so it must not be held whole).
python3 - "$cli" "$data/control_simple.rtf" "$work/large.rtf" <<'PY'
import os, subprocess, sys
cli, small, large = sys.argv[1:]
paragraph = (r"\pard\qc\plain\f0\fs20\b\cf1 Ing\'e9nieur d\'e9veloppement, \plain\f1\fs18\i T\'e9l. 01 23 45 67"
             r" 89\tab \plain\f2\fs22\cf2 \u26085?\u26412? \{braces\} \\ \par" "\n")
with open(large, "w", encoding="ascii") as out:
    out.write(r"{\rtf1\ansi{\fonttbl{\f0 Arial;}{\f1 Times New Roman;}{\f2 Arial Narrow;}}"
              r"{\colortbl ;\red0\green0\blue0;\red64\green48\blue32;}" "\n" + paragraph * 50000 + "}")
def peak(path):
    child = subprocess.Popen([cli, "rtf-dump", path], stdout=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    if status != 0:
        sys.exit(f"rtf-dump {path} failed")
    return usage.ru_maxrss * 1024
size = os.path.getsize(large)
extra = peak(large) - peak(small)
if extra > 4 * size:
    sys.exit(f"rtf-dump of {size} bytes took {extra} bytes more than a small file")
PY
