#!/usr/bin/env bash
# Runs a Windows program under 64-bit Wine and exits with its status: the CTest emulator of the
# 64-bit Windows build, also usable by hand.
# Usage: wine_run.sh PROGRAM [ARGUMENT]...
#
# The Wine prefix is $WINEPREFIX when set, otherwise wine-prefix/ in the build folder that holds
# PROGRAM (the nearest folder above it with a CMakeCache.txt), made once, under a lock, so that
# tests running side by side share it safely. With SKINBENCH_WINE_DPI=N it is wine-prefix-Ndpi/
# there instead, whose screen has N dots per inch rather than 96: a prefix of its own, since every
# program in a prefix takes the resolution its registry gives. Programs in one prefix share one
# Windows desktop (which window is in the foreground and has the focus), whatever X display each
# has, so they run one at a time. Wine's own messages are off unless WINEDEBUG says otherwise,
# and no installer or crash dialog opens. Without DISPLAY the program gets a virtual X server of
# its own with a window manager, as a desktop has (Wine waits for one whenever it destroys a window
# it has shown), both ended with it; SKINBENCH_WINE_NO_WINDOW_MANAGER=1 leaves the manager out, for
# a test that moves the foreground itself, which a manager may refuse to a program.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/virtual_display.sh"

fail() {
  echo "wine_run.sh: $*" >&2
  exit 125
}
[ $# -ge 1 ] || fail "usage: wine_run.sh PROGRAM [ARGUMENT]..."
program=$1
shift
[ -f "$program" ] || fail "no such program: $program"

# The 64-bit loader itself, so that Debian's wrapper does not look for 32-bit Wine first.
if command -v wine64 >/dev/null; then
  wine=$(command -v wine64)
elif [ -x /usr/lib/wine/wine64 ]; then
  wine=/usr/lib/wine/wine64
else
  fail "64-bit Wine is missing (scripts/deps.sh windows)"
fi

build_folder() {
  local dir
  dir=$(cd "$(dirname "$program")" && pwd -P)
  while [ "$dir" != / ]; do
    [ -f "$dir/CMakeCache.txt" ] && { printf '%s\n' "$dir"; return; }
    dir=$(dirname "$dir")
  done
  return 1
}
own_prefix=false dpi=""
if [ -z "${WINEPREFIX:-}" ]; then
  build=$(build_folder) || fail "$program is in no build folder; set WINEPREFIX"
  dpi=${SKINBENCH_WINE_DPI:-}
  [[ $dpi =~ ^([1-9][0-9]*)?$ ]] || fail "SKINBENCH_WINE_DPI is not a number: $dpi"
  export WINEPREFIX=$build/wine-prefix${dpi:+-${dpi}dpi}
  own_prefix=true
fi
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
export WINEDEBUG=${WINEDEBUG:--all}
# No prompt to install Wine's .NET or HTML engines, and no menu entries or file associations
# written into the user's desktop (which also makes each start and end a second shorter).
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}

make_prefix() {
  local log=$WINEPREFIX.log
  rm -rf "$WINEPREFIX"
  {
    env -u DISPLAY "$wine" wineboot -i &&
      # A crash prints its backtrace to standard error instead of opening a dialog.
      env -u DISPLAY "$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog \
        /t REG_DWORD /d 0 /f &&
      if [ -n "$dpi" ]; then
        env -u DISPLAY "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels \
          /t REG_DWORD /d "$dpi" /f
      fi &&
      "$wineserver" -w
  } >"$log" 2>&1 9>&- || { cat "$log" >&2; fail "could not make the Wine prefix $WINEPREFIX"; }
  touch "$WINEPREFIX/.skinbench-ready"
}
# A prefix given in WINEPREFIX is used as it is; only the build folder's own is made here. The
# lock is held until the program ends (see above); Wine's processes never inherit it.
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if $own_prefix && [ ! -e "$WINEPREFIX/.skinbench-ready" ]; then
  make_prefix
fi

scratch=$(mktemp -d)
display_pid= manager_pid=
cleanup() {
  local pid
  for pid in $manager_pid $display_pid; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

if [ -z "${DISPLAY:-}" ]; then
  # The lock on descriptor 9 stays with this script, not with the X server or the manager.
  start_virtual_display "$scratch" 9>&- ||
    { cat "$scratch/xvfb.log" >&2; fail "Xvfb did not start"; }
  if [ "${SKINBENCH_WINE_NO_WINDOW_MANAGER:-}" != 1 ]; then
    start_window_manager "$scratch" 9>&- ||
      { cat "$scratch/openbox.log" >&2; fail "openbox did not start (scripts/deps.sh windows)"; }
  fi
fi

# The program's output goes through files, not straight to this script's: Wine's own background
# processes (the server, the desktop) inherit the program's output and outlive it, and a caller
# such as CTest would wait for them to close it. In the background, so that a signal to this
# script ends the program too.
# Stopped by a signal (a caller's time limit), it ends the program and every other process in
# the prefix, all of them the program's since the lock is held, and passes on what the program
# wrote until then.
program_pid=
stopped() {
  [ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null
  "$wineserver" -k 9>&- 2>/dev/null || true
  cat "$scratch/out"
  cat "$scratch/err" >&2
  exit "$1"
}
trap 'stopped 129' HUP
trap 'stopped 130' INT
trap 'stopped 143' TERM
"$wine" "$program" "$@" <&0 >"$scratch/out" 2>"$scratch/err" 9>&- &
program_pid=$!
status=0
wait "$program_pid" || status=$?
program_pid=
# Wine's background processes (its server and the desktop) outlive the program, holding the
# display it was started with; the next program in the prefix would join them there. So the
# prefix is handed on only once they have ended.
"$wineserver" -w 9>&- || true
cat "$scratch/out"
cat "$scratch/err" >&2
exit "$status"
