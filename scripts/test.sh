#!/usr/bin/env bash
# Builds the program and all tests, then runs every test through CTest.
#   scripts/test.sh             the normal build, in build/; then the Windows builds
#                               (scripts/windows.sh), build-windows-x64/ with its tests under
#                               Wine and build-windows-x86/ with its checks made here
#   scripts/test.sh --sanitize  the Linux suite alone, built with AddressSanitizer and
#                               UndefinedBehaviorSanitizer, in build-sanitize/
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" test

if [ "${1:-}" = "--sanitize" ]; then
  build=${BUILD_DIR:-$root/build-sanitize}
  BUILD_DIR="$build" "$root/scripts/build.sh" -DBUILD_TESTING=ON -DCMAKE_BUILD_TYPE=Debug \
    -DSKINBENCH_SANITIZE=ON
  # intercept_strndup=0: the X keyboard library that Qt's X11 plugin loads reads past the end of
  # a buffer it hands to strndup (inside that library, not ours), which would abort every test
  # that opens a real X window.
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:intercept_strndup=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  export LSAN_OPTIONS="suppressions=$root/tests/sanitizer/lsan.supp:print_suppressions=0"
else
  build=${BUILD_DIR:-$root/build}
  # The benchmarks are built here and run once as a smoke test; bench/qt/run.sh measures.
  BUILD_DIR="$build" "$root/scripts/build.sh" -DBUILD_TESTING=ON -DSKINBENCH_BENCHMARKS=ON
fi

# Tests that need no window run on Qt's offscreen platform; the end-to-end ones start their own
# X server.
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
[ "${1:-}" = "--sanitize" ] && exit 0

# The Windows builds are not sanitized: the sanitizers are the Linux build's.
"$root/scripts/windows.sh"
for arch in x64 x86; do
  cmake --build "$root/build-windows-$arch"
  (cd "$root/build-windows-$arch" && ctest --output-on-failure --no-tests=error -j "$(nproc)")
done
