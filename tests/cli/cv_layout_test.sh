#!/usr/bin/env bash
# orvane-cli cv-layout and cv-check open a new mini-CV sheet, apply scripted steps through the layout
# rules and print the sheet or the text-zone check as JSON.
set -euo pipefail
cli="$1"
source "$(dirname "$0")/cli_test_helpers.sh"

"$cli" cv-layout >"$work/new.json"
"$cli" cv-layout element.4=0 element.6=0 'zone.2=1\n2\n3\n4\n5\n6\n7\n8\n9\n10' width=105 width=105 \
  field.Edit1=Anne align.coordonnees=4 align.etatcivil=x >"$work/steps.json"
"$cli" cv-layout --lang en element.13=0 lang=de >"$work/german.json"
"$cli" cv-layout formfont=Arial,12,b defaut >"$work/font.json"
"$cli" cv-check 'zone.2=INTITULE\tDATES\na\tb\tc' 'zone.3=a\tb\nc\td' >"$work/check.json"

python3 - "$work" <<'PYTHON'
import json, sys
work = sys.argv[1]
new, steps, german, font, check = (json.load(open(f"{work}/{name}.json"))
                                   for name in ("new", "steps", "german", "font", "check"))
def expect(what, actual, wanted):
    if actual != wanted:
        sys.exit(f"{what}: got {actual!r}, expected {wanted!r}")
c = new["controls"]
expect("states", new["elemstat"], "0111111001111111")
expect("window", new["window"], {"width": 647, "height": 598})
expect("a field", c["Edit5"], {"parent": "GroupBox2", "left": 110, "top": 53, "width": 200, "height": 19,
                               "visible": True, "text": ""})
expect("label", (c["Label1"]["parent"], c["Label1"]["text"]), ("GroupBox1", "Prénom"))
expect("zone frames fitted", c["GroupBox8"]["height"], 59)
expect("messages", new["messages"], [])

c = steps["controls"]
expect("mobile alone", (c["Edit6"]["top"], c["Edit10"]["top"], c["Edit10"]["visible"]), (76, 55, True))
expect("ten lines", (c["REdit2"]["height"], c["GroupBox6"]["height"]), (150, 185))
expect("twice 105", steps["window"]["width"], 713)
expect("width messages", steps["messages"], ["prise en compte changement largeur"] * 2)
expect("field", c["Edit1"]["text"], "Anne")
expect("shift", c["Edit9"]["left"], c["Edit8"]["left"])
expect("shift", c["Edit8"]["left"], 122 + 4)
expect("no shift", c["Edit1"]["left"], 122)
expect("zone text", c["REdit2"]["text"].split("\n")[-1], "10")

expect("element state", german["elemstat"], "0111111001111011")
expect("zone 3 hidden", german["controls"]["GroupBox7"]["visible"], False)
expect("language", german["controls"]["Label1"]["text"] != new["controls"]["Label1"]["text"], True)
expect("font label", font["controls"]["Label20"]["text"], "FONT : Arial; 12")
expect("defaut", font["controls"]["Edit1"]["left"], 110)

zones = check["zones"]
expect("zones", [(z["zone"], z["faulty"], z["line"]) for z in zones],
       [(1, False, None), (2, True, 2), (3, False, None), (4, False, None)])
expect("schema", zones[1]["schema"],
       ["Shéma des tabulations de la zone : Stages de formation professionnelle",
        "ligne 1 : ", "INTITULE1######8DATES", "ligne 2 : ", "a1######8b1######8c"])
expect("no schema", zones[0]["schema"], [])
expect("check messages", check["messages"][1], "Voulez-vous visualiser les tabulations de la zone ?")
PYTHON

expect_error "unknown step: element.16=1" cv-layout element.16=1
expect_error "unknown step: element.3=2" cv-layout element.3=2
expect_error "unknown step: bogus" cv-check bogus
expect_error "unknown step: width=110" cv-layout width=110
expect_error "unknown step: field.Label1=x" cv-layout field.Label1=x
expect_error "--lang takes fr, en or de" cv-layout --lang it
