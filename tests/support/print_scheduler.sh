# Sourced by the tests that print on a real print queue, after a helper that gives them a scratch
# folder $work and fail: a private scheduler, started in that folder on a socket of its own, its
# configuration and the PPD files of queues that write each job into a PDF file there. Nothing outside
# the folder is touched, and the scheduler is stopped when the test ends. Exits 77 (skip) when the
# machine has no scheduler or it does not start.

# The scheduler and its administration tool live in the system folders of programs.
export PATH="$PATH:/usr/sbin:/sbin"
cupsd="$(command -v cupsd || true)"
if [ -z "$cupsd" ] || ! command -v lpadmin >/dev/null || ! command -v ipptool >/dev/null; then
  echo "SKIP: no print scheduler (cupsd, lpadmin) or no ipptool (cups-ipp-utils) on this machine"
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

# The queue takes the PDF the program sends and hands it on unchanged; it notes the options the
# scheduler gives each job in the folder "options", which the filter's user may write to.
mkdir -m 777 "$cups/options"
printf '#!/bin/sh\nprintf "%%s\\n" "$5" >"%s/options/$1"\nexec cat "${6:-/dev/stdin}"\n' "$cups" >"$cups/bin/pass"
chmod 755 "$cups/bin/pass"
# ppd DEFAULT: a PDF-taking printer in grey by default, offering colour, A4 and Letter, DEFAULT the
# paper it takes by default.
ppd() {
  cat <<PPD
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
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsVersion: 2.4
*cupsFilter: "application/pdf 0 $cups/bin/pass"
*OpenUI *ColorModel/Color Mode: PickOne
*OrderDependency: 10 AnySetup *ColorModel
*DefaultColorModel: Gray
*ColorModel Gray/Grayscale: "<</cupsColorSpace 0>>setpagedevice"
*ColorModel RGB/Color: "<</cupsColorSpace 1>>setpagedevice"
*CloseUI: *ColorModel
*OpenUI *PageSize/Page Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: $1
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageSize Letter/Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: $1
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*PageRegion Letter/Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: $1
*ImageableArea A4: "0 0 595 842"
*ImageableArea Letter: "0 0 612 792"
*DefaultPaperDimension: $1
*PaperDimension A4: "595 842"
*PaperDimension Letter: "612 792"
PPD
}
ppd A4 >"$cups/conf/file-pdf.ppd"
ppd Letter >"$cups/conf/letter-pdf.ppd"

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

# last_job QUEUE: the number of the last job QUEUE was given, 0 when none.
last_job() {
  { echo 0; lpstat -W all -o "$1" | sed -n "s/^$1-\([0-9]*\) .*/\1/p"; } | sort -n | tail -n 1
}
# wait_done QUEUE FILE: waits for the queue's jobs to be done and FILE to be written.
wait_done() {
  for _ in $(seq 300); do
    [ -z "$(lpstat -W not-completed -o "$1" 2>/dev/null)" ] && [ -s "$2" ] && break
    sleep 0.2
  done
  [ -s "$2" ] || fail "the queue $1 wrote no file: $(tail -n 5 "$cups/log/error_log")"
}

# pdf_queue QUEUE FILE [PPD]: a queue that writes each job into FILE, with the A4 PDF printer's
# description or the one named.
pdf_queue() {
  lpadmin -p "$1" -E -v "file://$2" -P "$cups/conf/${3:-file-pdf.ppd}" 2>"$work/lpadmin.err" ||
    fail "the queue $1 was not made: $(cat "$work/lpadmin.err")"
}
