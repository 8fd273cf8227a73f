#!/usr/bin/env bash
# The Windows program in a fresh Debian 12 root: scripts/windows.sh cross-builds both
# architectures and their zips; then both builds' tests: on the 64-bit build the suites and the
# end-to-end test under Wine in a virtual X server, on both the checks of the executable made
# here. Last, scripts/windows.sh --run must show the window "Form1" under Wine on a display that
# this stage provides.
#
# With FRESH_ROOT set, the stage works in that root (the test stage's, whose builds it then
# reuses) and leaves it to the caller to remove; there the README's test command has already run
# both builds' tests on this checkout, so they are not run a second time. Otherwise it makes a
# root of its own and runs them.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/fresh_root.sh"
source "$here/../virtual_display.sh"

scratch=$(mktemp -d)
display_pid=""
run_pid=""
if [ -n "${FRESH_ROOT:-}" ]; then
  root=$FRESH_ROOT
  [ -d "$root/root/skinbench" ] || { echo "error: no checkout in $root" >&2; exit 1; }
  own_root=false
else
  root=$(mktemp -d "${TMPDIR:-/tmp}/skinbench-windows-root.XXXXXX")
  own_root=true
fi
cleanup() {
  [ -z "$run_pid" ] || kill "$run_pid" 2>/dev/null || true
  [ -z "$display_pid" ] || kill "$display_pid" 2>/dev/null || true
  if $own_root; then fresh_root_remove "$root"; fi
  rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
step() { echo "-- $*"; }

if $own_root; then
  fresh_root_make "$root"
  fresh_root_clone "$root" "$here/../.."
fi
in_root() { fresh_root_run "$root" env SKINBENCH_WERROR=ON bash -c "cd /root/skinbench && $1"; }

step "scripts/windows.sh"
in_root scripts/windows.sh
for zip in build-windows-x86/skinbench-1.0.0.0-win32.zip build-windows-x64/skinbench-1.0.0.0-win64.zip; do
  [ -f "$root/root/skinbench/$zip" ] || fail "scripts/windows.sh made no $zip"
done

for arch in x64 x86; do
  if ! $own_root; then
    step "the tests of build-windows-$arch: passed in this root's test command"
    continue
  fi
  step "the tests of build-windows-$arch"
  in_root "cmake --build build-windows-$arch && cd build-windows-$arch &&
           ctest --output-on-failure --no-tests=error -j $(nproc)"
done

step "scripts/windows.sh --run on a display of this stage's"
# The root's X server sockets are shared with this machine (abstract namespace), so the window
# is found from here.
start_virtual_display "$scratch" || { cat "$scratch/xvfb.log" >&2; fail "Xvfb did not start"; }
display=$DISPLAY
fresh_root_run "$root" env DISPLAY="$display" bash -c 'cd /root/skinbench && scripts/windows.sh --run' \
  >"$scratch/run.log" 2>&1 &
run_pid=$!
window=$(DISPLAY=$display timeout 120 xdotool search --sync --onlyvisible --name '^Form1$' |
  head -n 1) || true
[ -n "$window" ] || { cat "$scratch/run.log"; fail "no window titled Form1 on $display"; }
DISPLAY=$display xwininfo -id "$window" | grep -E 'xwininfo|Width|Height'
pid=$(DISPLAY=$display xdotool getwindowpid "$window")
[ "$(readlink "/proc/$pid/root")" = "$(realpath "$root")" ] ||
  fail "the window's process $pid is not the program started in the root"
echo "window $window titled Form1 on $display, process $pid: ending it"
kill "$pid"
wait "$run_pid" || true
run_pid=""
cat "$scratch/run.log"
