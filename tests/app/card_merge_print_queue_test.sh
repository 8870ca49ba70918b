#!/usr/bin/env bash
# "Publipostage" in the editor's window on a real print queue: a private scheduler whose default queue
# writes each job into a PDF file, for the window suite given as the argument, which reads the pages
# back. Skips (77) when the machine has no print scheduler.
set -euo pipefail
suite="$1"
source "$(dirname "$0")/../cli/cli_test_helpers.sh"
source "$(dirname "$0")/../support/print_scheduler.sh"

out="$cups/out/merge.pdf"
pdf_queue orvane-test "$out"
lpadmin -d orvane-test
ORVANE_TEST_QUEUE=orvane-test ORVANE_TEST_QUEUE_OUTPUT="$out" "$suite"
