# Shared by the command-line test scripts: a scratch folder removed on exit, and the checks every
# script makes of a failing command.
work="$(mktemp -d)"
helpers="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
trap 'rm -rf "$work"' EXIT

fail() {
  echo "$1" >&2
  exit 1
}

# expect_error TEXT ARGS...: the command exits 2 with one line on stderr naming the fault, and prints
# nothing on stdout.
expect_error() {
  local wanted="$1"
  shift
  set +e
  "$cli" "$@" >"$work/out" 2>"$work/err"
  local status=$?
  set -e
  [ "$status" -eq 2 ] || fail "$* exited $status, expected 2"
  [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$*: expected one line on stderr, got: $(cat "$work/err")"
  grep -qF -- "$wanted" "$work/err" || fail "$*: stderr lacks '$wanted': $(cat "$work/err")"
  [ ! -s "$work/out" ] || fail "$*: printed on stdout"
}

# browser_fields PAGE OUT [TEXT]: the fields of PAGE's form as headless Chromium reads them back, as a
# JSON list of "name=value" in OUT, and the text the form shows in TEXT; fails when a script typed into
# a field ran, skips when Chromium cannot start.
browser_fields() {
  local status=0
  python3 "$helpers/browser_fields.py" "$1" ${3:+"$3"} >"$2" || status=$?
  if [ "$status" -eq 77 ]; then
    cat "$2"
    exit 77
  fi
  [ "$status" -eq 0 ] || fail "$1 did not read back in the browser"
}
