#!/usr/bin/env bash
# The README's start command alone, in a fresh Debian 12 root holding a clone of this checkout.
# With no display it must say why in one line and name a command; that command, run exactly as
# given, must open the window "Form1", which this stage finds from outside the root, checks and
# then ends by its process id.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/fresh_root.sh"

root=$(mktemp -d "${TMPDIR:-/tmp}/skinbench-start-root.XXXXXX")
scratch=$(mktemp -d)
trap 'fresh_root_remove "$root"; rm -rf "$scratch"' EXIT
trap 'exit 1' INT TERM HUP
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND (status $?)" >&2' ERR
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
step() { echo "-- $*"; }

fresh_root_make "$root"
fresh_root_clone "$root" "$here/../.."
in_root() { fresh_root_run "$root" bash -c "cd /root/skinbench && $1"; }

step "scripts/start.sh with no display"
status=0
in_root scripts/start.sh >"$scratch/advice.out" 2>"$scratch/advice.err" || status=$?
cat "$scratch/advice.out" "$scratch/advice.err"
[ "$status" -eq 1 ] || fail "status $status, expected 1"
[ "$(wc -l <"$scratch/advice.err")" -eq 1 ] || fail "expected one line on standard error"
advice=$(sed 's/.*: //' "$scratch/advice.err")
[ -n "$advice" ] || fail "no command in the advice"

step "the advised command: $advice"
in_root "$advice" >"$scratch/start.log" 2>&1 &
start_pid=$!
display=""
while kill -0 "$start_pid" 2>/dev/null; do
  display=$(sed -n 's/.*virtual display \(:[0-9]*\).*/\1/p;T;q' "$scratch/start.log")
  [ -n "$display" ] && break
  sleep 1
done
[ -n "$display" ] || { cat "$scratch/start.log"; fail "the command ended before a display was up"; }

# The root's X server is reachable from here too: its socket in the abstract namespace is shared.
window=$(DISPLAY=$display timeout 60 xdotool search --sync --onlyvisible --name '^Form1$' |
  head -n 1) || true
[ -n "$window" ] || { cat "$scratch/start.log"; fail "no window titled Form1 on $display"; }
DISPLAY=$display xprop -id "$window" WM_NAME
pid=$(DISPLAY=$display xdotool getwindowpid "$window")
[ "$(readlink "/proc/$pid/root")" = "$(realpath "$root")" ] && [ "$(cat "/proc/$pid/comm")" = skinbench ] ||
  fail "the window's process $pid is not the program started in the root"
echo "window $window titled Form1 on $display, process $pid: ending it"
kill "$pid"
for ((tenth = 0; tenth < 300; tenth++)); do
  kill -0 "$start_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$start_pid" 2>/dev/null && fail "the start command did not end with its program"
cat "$scratch/start.log"
echo "PASSED: the start command opened Form1 in a fresh root"
