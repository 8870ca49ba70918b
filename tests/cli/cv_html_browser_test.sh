#!/usr/bin/env bash
# A mini-CV exported by orvane-cli cv-html, opened in headless Chromium: every field of the form reads
# back by name with the CV's values (texts, zones, the checked radio buttons and boxes), every label
# shows (the nationality's and the hobbies zone's among them), no control is reported lost, and a
# script typed into the name never runs.
set -euo pipefail
cli="$1"
source "$(dirname "$0")/cli_test_helpers.sh"
cp -r "$2/minicv/." "$work/"
cd "$work"
LC_ALL=C sed -i "s|^3 - nom :MARTIN|&\"><script>document.body.setAttribute('data-injected','nom')</script>|" \
  handwritten.ov4
# every_label_shown FILE.ov4 LABEL...: the page of FILE lost no control and shows every LABEL.
every_label_shown() {
  local file="$1"
  shift
  "$cli" cv-html "$file" cv.html >out.json
  ! grep -q "couldn't be rendered" out.json || fail "$file: controls lost: $(cat out.json)"
  browser_fields cv.html fields.json shown.txt
  for label in "$@"; do
    grep -qF "$label" shown.txt || fail "$file: the page does not show \"$label\": $(cat shown.txt)"
  done
}
# Every element on: the age beside the nationality, all four zones.
LC_ALL=C sed 's/^0 - champs actifs :.*/0 - champs actifs :1111111111111111\r/' handwritten.ov4 >all.ov4
every_label_shown all.ov4 "Age" "nationalité" "Situation familiale" "Formations" "Parcours" "Loisirs"
every_label_shown handwritten.ov4 "nationalité" "Loisirs"

python3 - fields.json <<'PYTHON'
import json, sys
fields = json.load(open(sys.argv[1], encoding="utf-8"))
wanted = [
    "Panel1_radiogroup1_Radio=RadioButton3",
    "Panel1_GroupBox1_Edit1=Élise",
    "Panel1_GroupBox1_Edit2=MARTIN\"><script>document.body.setAttribute('data-injected','nom')</script>",
    "Panel1_GroupBox1_Edit17=française",
    "Panel1_GroupBox1_Edit4=mariée",
    "Panel1_GroupBox2_Edit8=12 rue des Lilas",
    "Panel1_GroupBox2_Edit9=** bâtiment B : 3e étage",
    "Panel1_GroupBox2_Edit5=01 23 45 67 89",
    "Panel1_GroupBox2_Edit6=06 12 34 56 78",
    "Panel1_GroupBox2_Edit7=elise.martin@exemple.fr",
    "Panel1_GroupBox4_radiogroup2_Radio=RadioButton4",
    "Panel1_GroupBox4_GroupBox10_CheckBox17=YES",
    "Panel1_GroupBox4_GroupBox10_CheckBox19=YES",
    "Panel1_GroupBox4_GroupBox5_REdit1=Langue :            niveau :\nanglais\tcourant\n",
    "Panel1_GroupBox4_GroupBox5_GroupBox6_REdit2=INTITULE\tDATES\tQUALIFICATION\nGestion\t2019\tdiplôme\n",
    "Panel1_GroupBox4_GroupBox5_GroupBox7_REdit3=SOCIETE\tDATES\tPOSTE\nLumen\t2020\tcomptable\n",
    "Panel1_GroupBox4_GroupBox5_GroupBox8_REdit4=randonnée, piano\n",
]
if fields != wanted:
    sys.exit(f"fields read back: {fields!r}\nexpected: {wanted!r}")
PYTHON
