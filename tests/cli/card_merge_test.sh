#!/usr/bin/env bash
# orvane-cli card-merge fills a card's fields from each row of a CSV file and prints the sheets into one
# PDF: the right texts on the right cards, a missing field reported without ending the command.
set -euo pipefail
cli="$1"
source "$(dirname "$0")/cli_test_helpers.sh"

# The sample card, its first frame's two lines made fields; the card names its pattern and icon
# relative to the folder the command runs in.
cp -r "$2/render" "$work/card"
cd "$work/card"
sed -i "s/Anne Martin/\\\\'abNom\\\\'bb/; s/Graphiste ind\\\\'e9pendante/\\\\'abPoste\\\\'bb/" element/C1carte.rtf
grep -q "abNom" element/C1carte.rtf || fail "the card was not given its fields"

# A byte order mark, ';' separators, a quoted ';', a line break inside a cell and a short row.
printf '\xef\xbb\xbfNom;Poste\r\n"L\xc3\xa9a Dupont";"Chef; projets"\r\n"Marc\r\nDurand";Comptable\r\nZo\xc3\xa9\r\n' >team.csv

# The text of page `page` of `pdf`, and how often `text` occurs in it.
occurrences() {
  pdftotext -f "$2" -l "$2" "$1" - | grep -oF "$3" | wc -l
}

"$cli" card-merge carte.ov1 team.csv "$work/team.pdf" >"$work/report.json"
[ "$(cat "$work/report.json" | tr -d ' \n')" = '{"rows":3,"pages":3,"missing":[{"row":3,"field":"Poste"}]}' ] ||
  fail "wrong report: $(cat "$work/report.json")"
pdfinfo "$work/team.pdf" | grep -q '^Pages: *3$' || fail "not one sheet per row"
[ "$(occurrences "$work/team.pdf" 1 "Léa Dupont")" -eq 12 ] || fail "row 1 is not on every card of page 1"
[ "$(occurrences "$work/team.pdf" 1 "Chef; projets")" -eq 12 ] || fail "the quoted ';' was lost"
[ "$(occurrences "$work/team.pdf" 2 "Marc Durand")" -eq 12 ] || fail "row 2 is not on page 2"
[ "$(occurrences "$work/team.pdf" 3 "Zoé")" -eq 12 ] || fail "row 3 is not on page 3"
[ "$(occurrences "$work/team.pdf" 3 "Orvane-Brevanel : ")" -eq 1 ] || fail "the footer is gone"
[ "$(pdftotext "$work/team.pdf" - | grep -cF "«")" -eq 0 ] || fail "a field was printed as written"

# Mixed: consecutive rows on consecutive cards of one page, the other cards left blank.
"$cli" card-merge carte.ov1 team.csv "$work/mixed.pdf" --mixed >"$work/mixed.json"
grep -q '"pages": 1' "$work/mixed.json" || fail "three rows do not fill one page"
for name in "Léa Dupont" "Marc Durand" "Zoé" "Orvane-Brevanel : "; do
  [ "$(occurrences "$work/mixed.pdf" 1 "$name")" -eq 1 ] || fail "'$name' is not on one card"
done

expect_error "usage: orvane-cli card-merge" card-merge carte.ov1 team.csv
expect_error "cannot read" card-merge carte.ov1 nothing.csv "$work/x.pdf"
printf 'Nom\n' >empty.csv
expect_error "no data rows" card-merge carte.ov1 empty.csv "$work/x.pdf"
[ ! -e "$work/x.pdf" ] || fail "a failed merge left a PDF"
