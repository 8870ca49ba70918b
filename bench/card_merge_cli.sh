#!/usr/bin/env bash
# Times `orvane-cli card-merge --mixed` filling the sample card's first frame from 1,000 CSV rows: one
# row per card, twelve cards a page, each card's frames laid out again. Prints the best of several runs
# in rows per second, by the clock and by the processor time the process used, which a machine busy
# with other work does not distort.
# Usage: card_merge_cli.sh PATH_TO_orvane-cli [RUNS]
set -euo pipefail
cli="$(realpath "$1")"
runs="${2:-3}"
data="$(cd "$(dirname "$0")/../tests/data/render" && pwd)"
BENCH="$(dirname "$0")" python3 - "$cli" "$runs" "$data" <<'PY'
import json, os, resource, subprocess, sys, tempfile, time

sys.path.insert(0, os.environ["BENCH"])
from team_merge import prepare_team_folder

cli, runs, data, rows = sys.argv[1], int(sys.argv[2]), sys.argv[3], 1000
with tempfile.TemporaryDirectory(prefix="orvane-bench-merge-") as folder:
    prepare_team_folder(data, folder, rows)
    command = [cli, "card-merge", "carte.ov1", "team.csv", "team.pdf", "--mixed"]
    best_clock = best_processor = 0.0
    for run in range(runs):
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        start = time.perf_counter()
        report = subprocess.run(command, cwd=folder, check=True, capture_output=True).stdout
        clock = time.perf_counter() - start
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        processor = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
        assert json.loads(report)["rows"] == rows, "every row is merged"
        best_clock = max(best_clock, rows / clock)
        best_processor = max(best_processor, rows / processor)
    print(f"card-merge --mixed, {rows} rows: {best_clock:.0f} rows/s by the clock, "
          f"{best_processor:.0f} rows/s of processor time")
PY
