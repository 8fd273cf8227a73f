#!/usr/bin/env bash
# Without any display and with no platform named, the program says so in one line and exits
# with status 1, as the start command does before it installs or builds anything; a platform
# named on the command line or in QT_QPA_PLATFORM still decides.
# Usage: no_display.sh PROGRAM START_SCRIPT
set -euo pipefail
program=$1 start_script=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$scratch")
chmod 700 "$scratch"

# Runs "$@" with no display; passes when it ends with status 1 and one line on standard error,
# and nothing on standard output, that holds each of the texts in `wanted`.
expect_one_line() {
  local what=$1 status=0 text
  shift
  timeout 30 "${no_display[@]}" "$@" >"$scratch/out" 2>"$scratch/err" || status=$?
  [ "$status" -eq 1 ] || fail "$what: status $status, not 1: $(cat "$scratch/err")"
  [ ! -s "$scratch/out" ] || fail "$what: it wrote to standard output: $(cat "$scratch/out")"
  [ "$(wc -l <"$scratch/err")" -eq 1 ] || fail "$what: not one line: $(cat "$scratch/err")"
  for text in "${wanted[@]}"; do
    grep -qF -- "$text" "$scratch/err" || fail "$what: the line lacks '$text': $(cat "$scratch/err")"
  done
  echo "$what: status 1, '$(cat "$scratch/err")'"
}

wanted=("needs a display" "xvfb-run")
expect_one_line "without a display" "$program"
expect_one_line "with an empty DISPLAY" env DISPLAY= "$program"

# The start command tells before it installs or builds anything: a copy of it beside stand-ins
# that would record being called.
mkdir "$scratch/scripts"
cp "$start_script" "$scratch/scripts/start.sh"
for stand_in in deps.sh build.sh; do
  printf '#!/bin/sh\necho "$0" >>"%s/called"\n' "$scratch" >"$scratch/scripts/$stand_in"
  chmod +x "$scratch/scripts/$stand_in"
done
wanted=("no display here" "$scratch/scripts/start.sh --virtual-display")
expect_one_line "the start command without a display" "$scratch/scripts/start.sh"
[ ! -e "$scratch/called" ] || fail "the start command went on to $(cat "$scratch/called")"

# Named, the offscreen platform needs no display: the program runs until it is stopped (status
# 124 from timeout), silent.
for named in "-platform offscreen" "QT_QPA_PLATFORM=offscreen"; do
  case "$named" in
    -platform*) run=("${no_display[@]}" "$program" -platform offscreen) ;;
    *) run=("${no_display[@]}" QT_QPA_PLATFORM=offscreen "$program") ;;
  esac
  status=0
  timeout 3 "${run[@]}" >"$scratch/out" 2>&1 || status=$?
  [ "$status" -eq 124 ] || fail "with $named it ended with status $status: $(cat "$scratch/out")"
  [ ! -s "$scratch/out" ] || fail "with $named it wrote: $(cat "$scratch/out")"
  echo "with $named it runs"
done
echo "PASSED"
