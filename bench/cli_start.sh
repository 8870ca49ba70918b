#!/usr/bin/env bash
# Times the start of orvane-cli's commands on small inputs: the median processor time and peak memory
# of whole runs, each command on the sample card or mini-CV. The commands that need Qt's fonts, image
# readers or printers are handed to orvane-cli-qt and show what starting Qt costs. GNU time (Debian
# package time) reads the peak memory: a process started from Python would count Python's own memory.
# Usage: cli_start.sh PATH_TO_orvane-cli [RUNS]
set -euo pipefail
cli="$(realpath "$1")"
runs="${2:-50}"
[ -x /usr/bin/time ] || { echo "cli_start.sh needs /usr/bin/time (apt-get install time)" >&2; exit 1; }
data="$(cd "$(dirname "$0")/../tests/data" && pwd)"
python3 - "$cli" "$runs" "$data" <<'PY'
import os, shutil, statistics, subprocess, sys, tempfile

cli, runs, data = sys.argv[1], int(sys.argv[2]), sys.argv[3]
with tempfile.TemporaryDirectory(prefix="orvane-bench-start-") as folder:
    shutil.copytree(os.path.join(data, "cardfile"), os.path.join(folder, "card"))
    shutil.copytree(os.path.join(data, "minicv"), os.path.join(folder, "cv"))
    card, rtf = "card/carte.ov1", "card/element/C1carte.rtf"
    commands = [
        ["catalogue", "fr", "1"], ["card-dump", card], ["card-save", card, "copy.ov1"],
        ["card-vcard", card], ["rtf-dump", rtf], ["rtf-write", rtf, "copy.rtf"],
        ["bmp-check", "cv/photo.bmp"], ["cv-layout"], ["cv-dump", "cv/handwritten.ov4"],
    ]
    for arguments in commands:
        times, peaks = [], []
        for _ in range(runs):
            figures = os.path.join(folder, "figures")
            child = subprocess.Popen(["/usr/bin/time", "-o", figures, "-f", "%M", cli, *arguments],
                                     cwd=folder, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            _, status, usage = os.wait4(child.pid, 0)  # GNU time's figures count whole centiseconds
            assert os.waitstatus_to_exitcode(status) in (0, 1), f"{arguments} failed"
            times.append((usage.ru_utime + usage.ru_stime) * 1000)
            peaks.append(int(open(figures).read().split()[-1]) / 1024)
        print(f"{arguments[0]:12} {statistics.median(times):6.1f} ms of processor time, "
              f"{statistics.median(peaks):5.1f} MiB at most")
PY
