#!/usr/bin/env bash
# Builds the program and all tests, then runs every test through CTest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/deps.sh" test
BUILD_DIR="$build" "$root/scripts/build.sh"
# Tests that need no window run on Qt's offscreen platform; the end-to-end ones start their own
# X server.
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
