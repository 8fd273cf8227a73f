# shellcheck shell=bash
# Sourced by the test scripts. Gives a scratch folder, step and fail, and a cleanup on every way
# out that ends the program and the X server the test started (program_pid, display_pid) and
# removes the scratch folder. A failure also shows what its diagnosis needs: the display, the X
# server's log and the program's output (PROGRAM_LOG).
# start_display: a virtual X server of the test's own, whose log stays for that diagnosis.
scratch=$(mktemp -d)
program_pid=""
display_pid=""
PROGRAM_LOG=$scratch/program.log

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/virtual_display.sh"

# Ends a process this test started, by its id, and waits for it.
end_process() {
  [ -n "${1:-}" ] || return 0
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

harness_cleanup() {
  end_process "$program_pid"
  end_process "$display_pid"
  rm -rf "$scratch"
}
trap harness_cleanup EXIT
trap 'exit 1' INT TERM

step() { echo "-- $*"; }

show_file() {
  [ -s "$2" ] || return 0
  echo "--- $1:"
  cat "$2"
}

fail() {
  {
    echo "FAIL: $*"
    [ -z "$display_pid" ] || echo "--- the display: ${DISPLAY:-none}, X server process $display_pid"
    show_file "the X server's log" "$scratch/xvfb.log"
    show_file "the program's output" "$PROGRAM_LOG"
  } >&2
  exit 1
}

start_display() {
  start_virtual_display "$scratch" || fail "the virtual X server did not start"
  echo "virtual X server on $DISPLAY"
}
