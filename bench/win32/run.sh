#!/usr/bin/env bash
# Builds the Windows benchmarks in the 64-bit Windows build (build-windows-x64/, or $BUILD_DIR)
# and runs them under Wine, writing the Windows section of docs/performance.md. With --quick, a
# smoke run whose figures mean nothing, written to the build folder instead. With --requests, only
# the requests to Wine's server of one start of each program, by kind, printed and not written.
# Usage: bench/win32/run.sh [--quick | --requests] [--runs N]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
"$root/scripts/deps.sh" windows
build=${BUILD_DIR:-$root/build-windows-x64}
configure=(-DSKINBENCH_BENCHMARKS=ON)
if command -v ccache >/dev/null; then
  configure+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cd "$root"
cmake --preset windows-x64 -B "$build" "${configure[@]}" >/dev/null
cmake --build "$build" --target skinbench_first_paint bare_first_paint press_bench \
  skinbench-tour twenty_dialogs
PYTHONPATH="$root" exec python3 -m bench.win32.performance --build "$build" "$@"
