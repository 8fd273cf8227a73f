#!/usr/bin/env bash
# The README's test command alone, in a fresh Debian 12 root holding a clone of this checkout.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/fresh_root.sh"

root=$(mktemp -d "${TMPDIR:-/tmp}/skinbench-test-root.XXXXXX")
trap 'fresh_root_remove "$root"' EXIT
trap 'exit 1' INT TERM HUP
fresh_root_make "$root"
fresh_root_clone "$root" "$here/../.."
fresh_root_run "$root" env SKINBENCH_WERROR=ON bash -c 'cd /root/skinbench && scripts/test.sh'
