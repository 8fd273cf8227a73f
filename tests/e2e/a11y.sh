#!/usr/bin/env bash
# Runs a11y.py in a virtual X server of its own; call it under dbus-run-session, which gives it
# a private session bus and ends that bus afterwards.
# Usage: a11y.sh PROGRAM AT_SPI_BUS_LAUNCHER SEND_CLOSE PYTHON
set -euo pipefail
program=$1 launcher=$2 send_close=$3 python=$4
source "$(dirname "$0")/../support/harness.sh"
start_display
mkdir -m 700 "$scratch/runtime"
# Under AddressSanitizer, as in e2e.sh: libxkbcommon's counted strndup trips the strict check.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0"
XDG_RUNTIME_DIR="$scratch/runtime" timeout 100 "$python" "$(dirname "$0")/a11y.py" \
  "$program" "$launcher" "$send_close" "$PROGRAM_LOG" ||
  fail "the screen-reader check failed (status $?)"
