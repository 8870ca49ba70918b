#!/usr/bin/env bash
# Times 100 runs of `orvane-cli card-pdf` on the sample card (a tiled pattern, an icon, two frames of
# text), each writing a one-page print-shop PDF with a 3 mm bleed and crop marks, and prints pages per
# second: by the clock, and by the processor time the processes used, which a machine busy with other
# work does not distort. Each page is a whole process: start, card load, drawing, boxes, write.
# Usage: card_pdf_cli.sh PATH_TO_orvane-cli [PAGES]
set -euo pipefail
python3 - "$(cd "$(dirname "$0")/.." && pwd)/tests/data/render" "$1" "${2:-100}" <<'PY'
import os, resource, subprocess, sys, tempfile, time

data, cli, pages = sys.argv[1], sys.argv[2], int(sys.argv[3])
os.chdir(data)  # the card names its pattern and icon relative to the current folder
with tempfile.TemporaryDirectory(prefix="orvane-bench-pdf-") as folder:
    run = lambda output: subprocess.run([cli, "card-pdf", "carte.ov1", output, "--crop-marks"], check=True)
    run(os.path.join(folder, "warm.pdf"))  # fills the page cache
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    for page in range(pages):
        run(os.path.join(folder, f"card{page}.pdf"))
    clock = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    processor = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
print(f"orvane-cli card-pdf: {pages / clock:,.1f} pages per second by the clock, "
      f"{pages / processor:,.1f} per second of processor time ({pages} runs of one page each)")
PY
