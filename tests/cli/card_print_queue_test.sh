#!/usr/bin/env bash
# orvane-cli card-print on a real print queue: a private scheduler, started in this test's folder on a
# socket of its own, with queues that write each job into a PDF file there. The jobs are read back
# from the scheduler: what they asked for, and what the queue's filter was told. Nothing outside the
# folder is touched, and the scheduler is stopped at the end.
set -euo pipefail
cli="$1"
data="$2/render"
source "$(dirname "$0")/cli_test_helpers.sh"
source "$(dirname "$0")/../support/print_scheduler.sh"

out="$cups/out/sheet.pdf"
pdf_queue orvane-test "$out"
lpadmin -d orvane-test
letter="$cups/out/letter.pdf"
pdf_queue orvane-letter "$letter" letter-pdf.ppd

# job_attributes JOB: the job's attributes as the scheduler keeps them, one "name (type) = value" a line.
socket_uri="ipp://$(python3 -c 'import sys, urllib.parse; print(urllib.parse.quote(sys.argv[1], safe=""))' "$CUPS_SERVER")"
cat >"$work/job.test" <<'TEST'
{
  NAME "the job's attributes"
  OPERATION get-job-attributes
  GROUP operation
  ATTR charset attributes-charset utf-8
  ATTR language attributes-natural-language en
  ATTR uri printer-uri $uri
  ATTR integer job-id $job
  ATTR name requesting-user-name $user
  ATTR keyword requested-attributes all
  STATUS successful-ok
  DISPLAY print-color-mode
  DISPLAY media
  DISPLAY orientation-requested
}
TEST
job_attributes() {
  ipptool -t -d "job=$1" "$socket_uri/printers/orvane-test" "$work/job.test" ||
    fail "the scheduler does not describe job $1"
}
# The queue is measured as the print system describes it: A4 paper at its own resolution.
"$cli" printers >"$work/printers.json"
python3 - "$work/printers.json" <<'PY' || fail "printers does not describe the queue: $(cat "$work/printers.json")"
import json, sys
printers = {p["name"]: p for p in json.load(open(sys.argv[1], encoding="utf-8"))["printers"]}
queue = printers["orvane-test"]
assert queue["default"] and not queue["pdf"] and printers["pdf:"]["pdf"]
dpi = queue["resolution"][0]
assert dpi > 0 and abs(queue["paper"][0] * 25.4 / dpi - 210) < 1 and abs(queue["paper"][1] * 25.4 / dpi - 297) < 1
PY

# The card names its pattern and icon relative to the folder the command runs in.
cd "$data"
"$cli" card-audit carte.ov1 --printer orvane-test >"$work/audit.json"
grep -q '"advice": \[' "$work/audit.json" || fail "card-audit printed no advice list: $(cat "$work/audit.json")"

[ "$("$cli" card-print carte.ov1 --printer orvane-test --copies 3)" = '{"pages": 3}' ] ||
  fail "card-print did not print 3 pages"

# The job goes through the queue on its own time: wait for it to be done.
wait_done orvane-test "$out"
pdfinfo "$out" | grep -q '^Pages: *3$' || fail "the printed document is not 3 pages: $(pdfinfo "$out")"
pdfinfo "$out" | grep -q '^Title: *impression$' || fail "the job is not called impression"
for page in 1 2 3; do
  for line in "Anne Martin" "75011 Paris"; do
    count="$(pdftotext -f "$page" -l "$page" "$out" - | grep -oF "$line" | wc -l)"
    [ "$count" -eq 12 ] || fail "page $page holds '$line' $count times, not 12"
  done
done

# The job says what it is: colour, A4, the card's portrait page; and the queue, grey by default, is
# told its colour model for colour. Then monochrome and the grey model for --bw.
colour_job="$(last_job orvane-test)"
job_attributes "$colour_job" >"$work/job"
for attribute in "print-color-mode (keyword) = color" "media (keyword) = iso_a4_210x297mm" \
  "orientation-requested (enum) = portrait"; do
  grep -qF "$attribute" "$work/job" || fail "the job lacks '$attribute': $(cat "$work/job")"
done
grep -qw "ColorModel=RGB" "$cups/options/$colour_job" ||
  fail "the colour job is printed in the queue's grey: $(cat "$cups/options/$colour_job")"
rm -f "$out"
[ "$("$cli" card-print carte.ov1 --printer orvane-test --bw)" = '{"pages": 1}' ] ||
  fail "card-print --bw did not print 1 page"
grey_job="$(last_job orvane-test)"
job_attributes "$grey_job" >"$work/job"
grep -qF "print-color-mode (keyword) = monochrome" "$work/job" ||
  fail "the black and white job is not monochrome: $(cat "$work/job")"
wait_done orvane-test "$out"
grep -qw "ColorModel=Gray" "$cups/options/$grey_job" ||
  fail "the black and white job is not printed in grey: $(cat "$cups/options/$grey_job")"

# A horizontal card asks for a landscape page.
"$cli" card-edit carte.ov1 "$work/paysage.ov1" card.orientation=horizontal >/dev/null
"$cli" card-print "$work/paysage.ov1" --printer orvane-test >/dev/null
job_attributes "$(last_job orvane-test)" >"$work/job"
grep -qF "orientation-requested (enum) = landscape" "$work/job" ||
  fail "the horizontal card's job is not landscape: $(cat "$work/job")"
wait_done orvane-test "$out"

# A queue whose own paper is Letter still prints the sheet on A4.
"$cli" card-print carte.ov1 --printer orvane-letter >/dev/null
wait_done orvane-letter "$letter"
pdfinfo "$letter" >"$work/letter.info"
grep -q '^Page size: .* (A4)$' "$work/letter.info" ||
  fail "the Letter queue did not print on A4: $(cat "$work/letter.info")"

# The mini-CV test print measures on the queue's printer and drops its document: no job reaches it.
cp -r "$2/minicv" "$work/minicv"
before="$(last_job orvane-test)"
"$cli" cv-test-print "$work/minicv/handwritten.ov4" --printer orvane-test >"$work/test.json" ||
  fail "cv-test-print failed on the queue"
grep -q '"outOfBounds": 0' "$work/test.json" || fail "the test print measured wrong: $(cat "$work/test.json")"
[ "$(last_job orvane-test)" = "$before" ] || fail "the mini-CV test print sent a job"

# A queue that does not accept jobs is not printed on: the command fails with the scheduler's reason.
cupsreject orvane-test
LC_ALL=C expect_error "not accepting jobs" card-print carte.ov1 --printer orvane-test
grep -qF "impression interrompue" "$work/err" || fail "the refusal does not say the print stopped"
cupsaccept orvane-test

expect_error "no printer called absente" card-print carte.ov1 --printer absente
echo ok
