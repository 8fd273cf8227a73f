#!/usr/bin/env bash
# Configures and builds into build/ (or the folder in $BUILD_DIR).
# Usage: scripts/build.sh [--target NAME]... [CMAKE_ARGUMENT]...
# With --target only those targets are built; the other arguments go to CMake's configure step,
# where later ones win, so a caller can override the build type. SKINBENCH_WERROR=ON in the
# environment turns warnings into errors.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
targets=()
while [ "${1:-}" = --target ]; do
  targets+=(--target "$2")
  shift 2
done
configure=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
[ -n "${SKINBENCH_WERROR:-}" ] && configure+=("-DSKINBENCH_WERROR=$SKINBENCH_WERROR")
cmake -S "$root" -B "$build" "${configure[@]}" "$@" >/dev/null
cmake --build "$build" -j "$(nproc)" "${targets[@]}"
