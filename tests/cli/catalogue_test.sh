#!/usr/bin/env bash
# End-to-end checks of `orvane-cli catalogue`: exact UTF-8 bytes and exit codes.
# Usage: catalogue_test.sh PATH_TO_orvane-cli PATH_TO_tests/data
set -euo pipefail
cli=$1
source "$(dirname "$0")/cli_test_helpers.sh"

# expect CODE EXPECTED_STDOUT ARGS...: runs the command and compares exit code and every output byte.
expect() {
  local code=$1 expected=$2
  shift 2
  local actual status
  actual=$("$cli" catalogue "$@" 2>/dev/null; echo "status=$?")
  status=${actual##*status=}
  actual=${actual%status=*}
  [[ $status == "$code" ]] || fail "catalogue $* exited $status, expected $code"
  [[ $actual == "$expected" ]] || fail "catalogue $*: got [$actual], expected [$expected]"
}

nl=$'\n'
expect 0 "Aucune imprimante définie, vous ne pourrez pas lancer d'impression - Avertissement 10$nl" fr 1131
expect 0 "No printer defined, you will not be able to launch printing - Warning 10$nl" en 1131
expect 0 "Kein Drucker gewaehlt, Sie werden kein Druck starten koennen - Warnung 10$nl" de 1131
expect 0 "Ce fichier existe déjà voulez-vous le modifier (oui : l'ancien fichier sera écrasé ; non : le nouveau fichier aura un nom dérivé du fichier existant avec un indice 1,2,3 ...) ?$nl" fr 1143
expect 0 "This file already exists do you want to modify it (yes : the old file will be overwritten ; no : the new file will have a name derived from the existing file with an index 1,2,3 ...) ?$nl" en 1143
expect 0 "Diese Datei existiert bereits wollen Sie sie aendern (ja : die alte Datei wird ueberschrieben ; nein : die neue Datei erhaelt einen von der bestehenden Datei abgeleiteten Namen mit einem Index 1,2,3 ...) ?$nl" de 1143
expect 0 "fichiers mini-cv|*.ov4|fichiers texte|*.txt|fichiers non définis|*.*$nl" fr 41
expect 0 "mini-cv files|*.ov4|text files|*.txt|files of undefined type|*.*$nl" en 41
expect 0 "\"Mini-cv\" Daten|*.ov4|Text Daten|*.txt|sonstige Daten|*.*$nl" de 41
expect 0 "Les langues acceptées sont 'fr', 'en', 'de' , veuillez vérifier ce paramêtre dan le fichier ov4 (ligne 35)$nl" fr 171
expect 0 "The languages admitted are 'fr', 'en', 'de', please check this parameter in the ov4 file (line35)$nl" en 171
expect 0 "Die angenommen Sprachen sind 'fr','en','de', pruefen Sie bitte dieser Parameter in der ov4 Datei (Linie 35) nach$nl" de 171
expect 0 "Test d'impression terminé pour les paramêtres en cours :  $nl" fr 116
expect 0 "$nl" de 37

# Nothing found: no output, exit 1.
expect 1 "" en 1026
expect 1 "" fr 1085
expect 1 "" FR 1084
expect 1 "" fr 1139 --format 400

# Formatted lookups; the second argument defaults to empty.
expect 0 "Advice 3 : select a header font size in frame 1 of at least :12 - Warning 300$nl" en 1138 --format 3 12
expect 0 "Warnung 310$nl" de 1141 --format 310
expect 0 "largeur + $nl" fr 1029 --format " + "

# Bad arguments: one line on stderr, exit 2.
expect_error "usage" catalogue fr
expect_error "the id must be an integer" catalogue fr abc
expect_error "the id must be an integer" catalogue fr 12x
expect_error "usage" catalogue fr 1141 --format
expect_error "usage" catalogue fr 1141 310
echo "catalogue CLI: all checks passed"
