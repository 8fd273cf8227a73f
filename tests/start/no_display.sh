#!/usr/bin/env bash
# Without any display and with no platform named, the program says so in one line and exits
# with status 1; a platform named on the command line still decides.
# Usage: no_display.sh PROGRAM
set -euo pipefail
program=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$scratch")
chmod 700 "$scratch"

status=0
timeout 30 "${no_display[@]}" "$program" >"$scratch/out" 2>"$scratch/err" || status=$?
[ "$status" -eq 1 ] || fail "without a display the program exited with status $status, not 1"
[ ! -s "$scratch/out" ] || fail "it wrote to standard output: $(cat "$scratch/out")"
[ "$(wc -l <"$scratch/err")" -eq 1 ] || fail "it wrote not one line: $(cat "$scratch/err")"
grep -q "needs a display" "$scratch/err" && grep -q "xvfb-run" "$scratch/err" ||
  fail "the line does not say what is missing and how to get it: $(cat "$scratch/err")"
echo "without a display: status 1, '$(cat "$scratch/err")'"

# Named on the command line, the offscreen platform needs no display: the program runs until it
# is stopped (status 124 from timeout), silent.
status=0
timeout 3 "${no_display[@]}" "$program" -platform offscreen >"$scratch/out" 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "with -platform offscreen it ended with status $status: $(cat "$scratch/out")"
[ ! -s "$scratch/out" ] || fail "with -platform offscreen it wrote: $(cat "$scratch/out")"
echo "PASSED: with -platform offscreen it runs"
