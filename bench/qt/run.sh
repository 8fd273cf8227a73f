#!/usr/bin/env bash
# Builds the benchmarks in build-bench/ (or $BUILD_DIR) and runs them all, writing
# docs/performance.md. With --quick, a smoke run whose figures mean nothing, written to the
# build folder instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
"$root/scripts/deps.sh" test
build=${BUILD_DIR:-$root/build-bench}
BUILD_DIR="$build" "$root/scripts/build.sh" -DSKINBENCH_BENCHMARKS=ON -DBUILD_TESTING=OFF
PYTHONPATH="$root" exec python3 -m bench.qt.performance --build "$build" "$@"
