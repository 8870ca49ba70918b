#!/usr/bin/env bash
# orvane-cli cv-to-json exports a mini-CV as a JSON Resume document that the published schema accepts;
# cv-from-json makes a mini-CV of one, and exporting that gives the same document again; what either
# side cannot hold is reported, never lost without a word.
set -euo pipefail
cli="$1"
data="$2/minicv"
source "$(dirname "$0")/cli_test_helpers.sh"

# The schema and a validator, installed once into a cache folder of their own; without them the test
# fails rather than pass unchecked.
packages=(@jsonresume/schema@1.3.1 ajv@8.20.0 ajv-formats@3.0.1)
cache="${XDG_CACHE_HOME:-${HOME:-/tmp}/.cache}/orvane/resume-schema-1.3.1"
if [ ! -f "$cache/node_modules/@jsonresume/schema/schema.json" ] || [ ! -d "$cache/node_modules/ajv-formats" ]; then
  command -v npm >/dev/null || fail "npm is needed to fetch the résumé schema"
  mkdir -p "$cache"
  npm install --prefix "$cache" --no-save --no-audit --no-fund --loglevel=error "${packages[@]}" >&2 ||
    fail "the résumé schema could not be installed"
fi

# validate FILE...: every document is valid against the schema, formats (uri, email) included.
validate() {
  NODE_PATH="$cache/node_modules" node - "$@" <<'NODE'
const fs = require("fs");
const Ajv = require("ajv");
const addFormats = require("ajv-formats");
const ajv = new Ajv({ allErrors: true, strict: false });
addFormats(ajv);
const check = ajv.compile(require("@jsonresume/schema/schema.json"));
for (const file of process.argv.slice(2)) {
  if (!check(JSON.parse(fs.readFileSync(file, "utf8")))) {
    console.error(file + ": " + ajv.errorsText(check.errors));
    process.exit(1);
  }
}
NODE
}

"$cli" cv-to-json "$data/handwritten.ov4" "$work/cv.json" 2>/dev/null >"$work/exported"
mkdir -p "$work/back"
"$cli" cv-from-json "$work/cv.json" "$work/back/cv.ov4" >"$work/imported"
"$cli" cv-to-json "$work/back/cv.ov4" "$work/again.json" >/dev/null
cmp "$work/cv.json" "$work/again.json" || fail "export, import and export again changed the document"

# More entries than zone 3 shows under its heading, and parts a mini-CV has no place for.
python3 - "$work/cv.json" "$work/big.json" <<'PYTHON'
import json, sys
document = json.load(open(sys.argv[1]))
document["basics"]["summary"] = "Comptable"
document["basics"]["location"]["city"] = "Lyon"
document["work"] = [{"name": f"Société {i}", "position": "comptable", "startDate": "2019-05"} for i in range(12)]
document["work"][0]["highlights"] = ["bilans"]
document["work"][1]["endDate"] = "mai 2021"
document["skills"] = [{"name": "paie"}]
document["languages"].append("allemand")
json.dump(document, open(sys.argv[2], "w"))
PYTHON
mkdir -p "$work/big"
"$cli" cv-from-json "$work/big.json" "$work/big/cv.ov4" >"$work/big-report"
"$cli" cv-to-json "$work/big/cv.ov4" "$work/big-again.json" >/dev/null
validate "$work/cv.json" "$work/big-again.json"

python3 - "$work/exported" "$work/imported" "$work/cv.json" "$work/big-report" "$work/big-again.json" <<'PYTHON'
import json, sys
exported, imported, document, big, big_again = (json.load(open(name)) for name in sys.argv[1:])
def expect(what, actual, wanted):
    if actual != wanted:
        sys.exit(f"{what}: got {actual!r}, expected {wanted!r}")
expect("export report", exported["dropped"], ["fixed telephone", "age", "nationality", "marital status"])
expect("import report", imported["dropped"], [])
expect("basics", document["basics"], {
    "name": "Élise MARTIN", "email": "elise.martin@exemple.fr", "phone": "06 12 34 56 78",
    "url": "http://www.exemple.fr:8080/cv",
    "location": {"address": "12 rue des Lilas\n** bâtiment B : 3e étage"}})
expect("languages", document["languages"], [{"language": "anglais", "fluency": "courant"}])
expect("education", document["education"],
       [{"area": "Gestion", "studyType": "diplôme", "startDate": "2019", "endDate": "2019"}])
expect("work", document["work"], [{"name": "Lumen", "position": "comptable", "startDate": "2020", "endDate": "2020"}])
expect("interests", document["interests"], [{"name": "randonnée"}, {"name": "piano"}])
expect("big report", big["dropped"], ["basics.summary", "languages[1]", "skills", "work[0].highlights",
                                      "work[1].endDate", "basics.location.city", "work[10]", "work[11]"])
expect("entries held", len(big_again["work"]), 10)
PYTHON

printf '[1, 2]' >"$work/list.json"
printf '{"basics": ' >"$work/cut.json"
expect_error "is not a JSON object" cv-from-json "$work/list.json" "$work/x.ov4"
expect_error "is not JSON" cv-from-json "$work/cut.json" "$work/x.ov4"
expect_error "usage: orvane-cli cv-to-json" cv-to-json "$data/handwritten.ov4"
expect_error "usage: orvane-cli cv-from-json" cv-from-json "$work/cv.json"
expect_error "absent.ov4" cv-to-json "$work/absent.ov4" "$work/x.json"
