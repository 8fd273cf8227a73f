#!/usr/bin/env bash
# Builds skinbench.exe and skinbench-tour.exe for Windows with Debian's MinGW-w64 cross
# compilers: 32-bit into build-windows-x86/, 64-bit into build-windows-x64/, and a zip of each
# (skinbench.exe, skinbench-tour.exe, LICENSE.txt, README.txt) beside them.
# Usage: scripts/windows.sh [--run]
#   --run  then starts the 64-bit build under Wine, in a virtual X server of its own when there
#          is no display; it ends when the window is closed.
# SKINBENCH_WERROR in the environment overrides the presets' warnings as errors.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
run=false
case "${1:-}" in
  "") ;;
  --run) run=true ;;
  *) echo "usage: $0 [--run]" >&2; exit 2 ;;
esac
"$root/scripts/deps.sh" windows

configure=()
[ -n "${SKINBENCH_WERROR:-}" ] && configure+=("-DSKINBENCH_WERROR=$SKINBENCH_WERROR")
if command -v ccache >/dev/null; then
  configure+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cd "$root"
for arch in x86 x64; do
  build=$root/build-windows-$arch
  echo "== Windows $arch: $build"
  cmake --preset "windows-$arch" "${configure[@]}" >/dev/null
  cmake --build "$build" --target skinbench skinbench-tour
  (cd "$build" && cpack -G ZIP -B "$build" >/dev/null)
  for exe in app/skinbench.exe tour/win32/skinbench-tour.exe; do
    echo "   $build/$exe: $(stat -c %s "$build/$exe") bytes"
  done
  echo "   $(ls "$build"/skinbench-*-win*.zip)"
done

if $run; then
  # The emulator wrapper that the tests use: Wine's prefix inside the build folder, and a virtual
  # X server when there is no display.
  echo "== Starting build-windows-x64/app/skinbench.exe under Wine"
  [ -n "${DISPLAY:-}" ] ||
    echo "   no display: it runs in a virtual X server of its own; end it with Ctrl+C"
  exec "$root/tests/support/wine_run.sh" "$root/build-windows-x64/app/skinbench.exe"
fi
