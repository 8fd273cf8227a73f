#!/usr/bin/env bash
# Every standard build type, the tests included, compiled from scratch with warnings as errors;
# a warning that is not an error (from the linker, say) fails the stage too. None is built as
# Debian builds packages: its hardening flags, with CPPFLAGS folded into CXXFLAGS.
# Usage: build_types.sh [TYPE...]   (default: Debug Release MinSizeRel None)
set -euo pipefail
checkout=$(cd "$(dirname "$0")/../.." && pwd)
[ $# -gt 0 ] || set -- Debug Release MinSizeRel None
"$checkout/scripts/deps.sh" test

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

build_type() (
  local type=$1
  if [ "$type" = None ]; then
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    eval "$(dpkg-buildflags --export=sh)"
    export CXXFLAGS="$CPPFLAGS $CXXFLAGS"
    unset CPPFLAGS
    echo "CXXFLAGS=$CXXFLAGS"
    echo "LDFLAGS=$LDFLAGS"
  fi
  cmake -S "$checkout" -B "$scratch/$type" -DCMAKE_BUILD_TYPE="$type" -DBUILD_TESTING=ON \
    -DSKINBENCH_WERROR=ON
  cmake --build "$scratch/$type" -j "$(nproc)"
)

for type in "$@"; do
  start=$SECONDS
  if ! build_type "$type" >"$scratch/$type.log" 2>&1; then
    cat "$scratch/$type.log"
    echo "FAIL: $type does not build" >&2
    exit 1
  fi
  if grep -E 'warning:|CMake Warning' "$scratch/$type.log"; then
    echo "FAIL: $type builds with warnings" >&2
    exit 1
  fi
  echo "$type: built without a warning in $((SECONDS - start)) s"
  rm -rf "${scratch:?}/$type"
done
