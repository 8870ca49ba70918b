#!/usr/bin/env bash
# orvane-cli --help, COMMAND --help and --version print on stdout and exit 0; bad use exits 2 with one
# line on stderr.
set -euo pipefail
cli="$1"
source "$(dirname "$0")/cli_test_helpers.sh"

"$cli" --help >"$work/help"
commands="catalogue start-card card-dump card-save rtf-dump rtf-write card-sheet card-edit card-vcard card-png printers card-audit card-print cv-html"
for command in $commands; do
  grep -qE "^  $command +[A-Z]" "$work/help" || fail "--help does not describe $command"
  "$cli" "$command" --help >"$work/command-help"
  head -n 1 "$work/command-help" | grep -qE "^usage: orvane-cli $command( |$)" ||
    fail "$command --help does not start with its usage line: $(head -n 1 "$work/command-help")"
  [ "$(sed -n 2p "$work/command-help")" != "" ] || fail "$command --help has no sentence"
done
grep -q -- "--dpi N  *The printer resolution" <("$cli" card-sheet --help) || fail "card-sheet --help lacks --dpi"
"$cli" --version | grep -qE '^orvane-cli [0-9]+\.[0-9]+' || fail "--version prints no version"

expect_error "usage: orvane-cli COMMAND"
expect_error "unknown command: card-fax" card-fax
expect_error "usage: orvane-cli card-dump FILE.ov1" card-dump
