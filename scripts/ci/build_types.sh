#!/usr/bin/env bash
# Every standard build type, the tests included, compiled from scratch with warnings as errors;
# a warning that is not an error (from the linker, say) fails the stage too. None is built as
# Debian builds packages: its hardening flags, with CPPFLAGS folded into CXXFLAGS.
# Usage: build_types.sh [TYPE...]   (default: Debug Release MinSizeRel None)
# With BUILD_TYPES_KEEP=DIR each build is left in DIR/TYPE for a later stage (the package is made
# from the None build, as Debian would build it); otherwise each is removed once checked.
set -euo pipefail
checkout=$(cd "$(dirname "$0")/../.." && pwd)
[ $# -gt 0 ] || set -- Debug Release MinSizeRel None
"$checkout/scripts/deps.sh" test

keep=${BUILD_TYPES_KEEP:-}
if [ -n "$keep" ]; then
  scratch=$keep
  mkdir -p "$scratch"
else
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
fi

build_type() (
  local type=$1
  if [ "$type" = None ]; then
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    eval "$(dpkg-buildflags --export=sh)"
    export CXXFLAGS="$CPPFLAGS $CXXFLAGS"
    unset CPPFLAGS
    echo "None: CXXFLAGS=$CXXFLAGS LDFLAGS=$LDFLAGS" >&3
  fi
  # Ninja is installed with the tests' packages; measured against Makefiles here it neither gains
  # nor loses, and it names each failing command in one line.
  cmake -S "$checkout" -B "$scratch/$type" -G Ninja -DCMAKE_BUILD_TYPE="$type" -DBUILD_TESTING=ON \
    -DSKINBENCH_WERROR=ON
  cmake --build "$scratch/$type" -j "$(nproc)"
)

for type in "$@"; do
  start=$SECONDS
  if ! build_type "$type" 3>&1 >"$scratch/$type.log" 2>&1; then
    cat "$scratch/$type.log"
    echo "FAIL: $type does not build" >&2
    exit 1
  fi
  if grep -E 'warning:|CMake Warning' "$scratch/$type.log"; then
    echo "FAIL: $type builds with warnings" >&2
    exit 1
  fi
  echo "$type: built without a warning in $((SECONDS - start)) s"
  [ -n "$keep" ] || rm -rf "${scratch:?}/$type"
done
