#!/usr/bin/env bash
# orvane-cli card-print on a real print queue: a private scheduler, started in this test's folder on a
# socket of its own, with a queue that writes each job into a PDF file there. Nothing outside the
# folder is touched, and the scheduler is stopped at the end.
set -euo pipefail
cli="$1"
data="$2/render"
source "$(dirname "$0")/cli_test_helpers.sh"

# The scheduler and its administration tool live in the system folders of programs.
export PATH="$PATH:/usr/sbin:/sbin"
cupsd="$(command -v cupsd || true)"
if [ -z "$cupsd" ] || ! command -v lpadmin >/dev/null; then
  echo "SKIP: no print scheduler (cupsd, lpadmin) on this machine"
  exit 77
fi

# The print filters run as another user: every folder on their way must let it through.
chmod 755 "$work"
cups="$work/cups"
mkdir -p "$cups"/{conf,spool/tmp,cache,state,log,bin,out} "$work/tmp"
chmod -R 755 "$cups"
export CUPS_SERVER="$cups/cups.sock"
export TMPDIR="$work/tmp"

cat >"$cups/conf/cupsd.conf" <<CONF
Listen $CUPS_SERVER
LogLevel info
WebInterface No
Browsing No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat >"$cups/conf/cups-files.conf" <<CONF
ServerRoot $cups/conf
RequestRoot $cups/spool
TempDir $cups/spool/tmp
CacheDir $cups/cache
StateDir $cups/state
AccessLog $cups/log/access_log
ErrorLog $cups/log/error_log
PageLog $cups/log/page_log
FileDevice Yes
CONF

# The queue takes the PDF the program sends and hands it on unchanged.
printf '#!/bin/sh\nexec cat "${6:-/dev/stdin}"\n' >"$cups/bin/pass"
chmod 755 "$cups/bin/pass"
cat >"$cups/conf/file-pdf.ppd" <<PPD
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "FILEPDF.PPD"
*Manufacturer: "Orvane"
*Product: "(PDF file)"
*ModelName: "PDF file"
*ShortNickName: "PDF file"
*NickName: "PDF file"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsVersion: 2.4
*cupsFilter: "application/pdf 0 $cups/bin/pass"
*OpenUI *PageSize/Page Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4: "0 0 595 842"
*DefaultPaperDimension: A4
*PaperDimension A4: "595 842"
PPD

"$cupsd" -f -c "$cups/conf/cupsd.conf" -s "$cups/conf/cups-files.conf" >"$cups/log/cupsd.out" 2>&1 &
scheduler=$!
stop_scheduler() {
  kill "$scheduler" 2>/dev/null && wait "$scheduler" 2>/dev/null || true
}
trap 'stop_scheduler; rm -rf "$work"' EXIT

for _ in $(seq 100); do
  lpstat -r >/dev/null 2>&1 && break
  kill -0 "$scheduler" 2>/dev/null || break
  sleep 0.2
done
if ! lpstat -r >/dev/null 2>&1; then
  echo "SKIP: the private print scheduler did not start:"
  cat "$cups/log/cupsd.out" "$cups/log/error_log" 2>/dev/null | tail -n 5
  exit 77
fi

out="$cups/out/sheet.pdf"
lpadmin -p orvane-test -E -v "file://$out" -P "$cups/conf/file-pdf.ppd" 2>"$work/lpadmin.err" ||
  fail "the queue was not made: $(cat "$work/lpadmin.err")"
lpadmin -d orvane-test

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
for _ in $(seq 300); do
  [ -z "$(lpstat -W not-completed -o orvane-test 2>/dev/null)" ] && [ -s "$out" ] && break
  sleep 0.2
done
[ -s "$out" ] || fail "the queue wrote no file: $(tail -n 5 "$cups/log/error_log")"
pdfinfo "$out" | grep -q '^Pages: *3$' || fail "the printed document is not 3 pages: $(pdfinfo "$out")"
pdfinfo "$out" | grep -q '^Title: *impression$' || fail "the job is not called impression"
for page in 1 2 3; do
  for line in "Anne Martin" "75011 Paris"; do
    count="$(pdftotext -f "$page" -l "$page" "$out" - | grep -oF "$line" | wc -l)"
    [ "$count" -eq 12 ] || fail "page $page holds '$line' $count times, not 12"
  done
done

expect_error "no printer called absente" card-print carte.ov1 --printer absente
echo ok
