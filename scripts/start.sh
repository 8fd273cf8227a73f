#!/usr/bin/env bash
# Builds the program and starts it. Arguments are passed on to Qt (-style Fusion, say).
#   scripts/start.sh                    installs what building and running need, builds, starts
#   scripts/start.sh --virtual-display  the same in a virtual X server of its own (Xvfb, which it
#                                       installs too), for a machine without a display
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}

virtual=false
if [ "${1:-}" = --virtual-display ]; then
  virtual=true
  shift
fi

# Told before anything is installed or built, so that the advice comes at once.
if ! $virtual && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] &&
  [ -z "${QT_QPA_PLATFORM:-}" ]; then
  printf 'skinbench: no display here (DISPLAY and WAYLAND_DISPLAY are unset), so its window cannot open; to run it in a virtual X server instead: %q --virtual-display\n' "$0" >&2
  exit 1
fi

if ! $virtual; then
  "$root/scripts/deps.sh" run
  "$root/scripts/build.sh" --target skinbench
  exec "$build/app/skinbench" "$@"
fi

"$root/scripts/deps.sh" run display
"$root/scripts/build.sh" --target skinbench
scratch=$(mktemp -d)
display_pid=""
cleanup() {
  [ -z "$display_pid" ] || kill "$display_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP
source "$root/scripts/virtual_display.sh"
if ! start_virtual_display "$scratch"; then
  cat "$scratch/xvfb.log" >&2
  echo "skinbench: the virtual X server did not start" >&2
  exit 1
fi
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
# Without a login session there is no runtime folder; Qt wants one of its own.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  mkdir -m 700 "$scratch/runtime"
  export XDG_RUNTIME_DIR="$scratch/runtime"
fi
echo "skinbench: running on the virtual display $DISPLAY; end it with Ctrl+C"
"$build/app/skinbench" "$@"
