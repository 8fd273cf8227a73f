#!/usr/bin/env bash
# The pristine base root that the fresh-root stages unpack: made once a day with mmdebstrap
# from this machine's apt sources, or taken from the cache.
set -euo pipefail
source "$(dirname "$0")/fresh_root.sh"
fresh_root_check_archive
base=$(fresh_root_base)
echo "base root: $base ($(du -h "$base" | cut -f1))"
