#!/usr/bin/env bash
# The Windows zip, made afresh by CPack from a built tree: its name, and exactly skinbench.exe,
# skinbench-tour.exe, LICENSE.txt and README.txt at its top.
# Usage: check_zip.sh BUILD_DIR ZIP_NAME
set -euo pipefail
build=$1
name=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
(cd "$build" && cpack -G ZIP -B "$scratch" >"$scratch/cpack.log" 2>&1) ||
  { cat "$scratch/cpack.log" >&2; fail "cpack could not make the zip"; }
[ -f "$scratch/$name" ] || fail "no $name; CPack made: $(ls "$scratch")"
listing=$(cd "$scratch" && cmake -E tar tf "$name" | sort | tr '\n' ' ')
[ "$listing" = "LICENSE.txt README.txt skinbench-tour.exe skinbench.exe " ] || fail "$name holds: $listing"
echo "PASSED: $name holds $listing"
