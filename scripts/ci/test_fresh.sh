#!/usr/bin/env bash
# The README's test command alone, in a fresh Debian 12 root holding a clone of this checkout.
# With FRESH_ROOT set (an empty folder) the root is made there and left for the caller to remove,
# so that a later stage can reuse its builds.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/fresh_root.sh"

log=$(mktemp)
if [ -n "${FRESH_ROOT:-}" ]; then
  root=$FRESH_ROOT
  trap 'rm -f "$log"' EXIT
else
  root=$(mktemp -d "${TMPDIR:-/tmp}/skinbench-test-root.XXXXXX")
  trap 'fresh_root_remove "$root"; rm -f "$log"' EXIT
fi
trap 'exit 1' INT TERM HUP
fresh_root_make "$root"
fresh_root_clone "$root" "$here/../.."
fresh_root_run "$root" env SKINBENCH_WERROR=ON bash -c 'cd /root/skinbench && scripts/test.sh' 2>&1 |
  tee "$log"
# The build is RelWithDebInfo with warnings as errors; a warning that is not an error (from the
# linker, say) fails the stage too.
if grep -E '^[^ ]+:[0-9]+(:[0-9]+)?: warning:|^/usr/bin/ld: warning:' "$log"; then
  echo "FAIL: the test command's build gives warnings" >&2
  exit 1
fi
