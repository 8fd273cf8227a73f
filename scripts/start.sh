#!/usr/bin/env bash
# Builds the program and starts it. Arguments are passed on to Qt (-style Fusion, say).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" run
"$root/scripts/build.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "skinbench needs a display: none is set here; run it in a virtual one with: xvfb-run -a scripts/start.sh" >&2
  exit 1
fi
exec "${BUILD_DIR:-$root/build}/app/skinbench" "$@"
