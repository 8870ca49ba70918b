# Shared by the command-line test scripts: a scratch folder removed on exit, and the checks every
# script makes of a failing command.
work="$(mktemp -d)"
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
