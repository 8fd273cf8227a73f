#!/usr/bin/env bash
# Makes what README.md and docs/ show of the programs from the programs themselves: the README's
# verdict table and docs/tour.png from skinbench-tour (offscreen, Fusion), and
# docs/skinned-window.png from skinbench in a virtual X server under openbox, as a desktop shows
# it. Needs a build (scripts/build.sh) and what scripts/deps.sh test installs.
# Usage: scripts/docs.sh [--check] [BUILD_DIR]
#   --check  writes nothing, and fails, naming each one, when any of the three differs from what
#            the programs draw now (pictures pixel for pixel).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
check=""
if [ "${1:-}" = --check ]; then
  check=yes
  shift
fi
build=${1:-$root/build}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

readonly begin_marker='<!-- verdicts: made by scripts/docs.sh from the tour; do not edit -->'
readonly end_marker='<!-- end of verdicts -->'

if ! QT_QPA_PLATFORM=offscreen "$build/tour/skinbench-tour" --style Fusion --out "$scratch/tour" \
  >/dev/null 2>"$scratch/tour.log"; then
  cat "$scratch/tour.log" >&2
  echo "error: the tour failed" >&2
  exit 1
fi
"$root/tests/e2e/desktop.sh" picture "$build/app/skinbench" "$scratch/window.png" >/dev/null
convert "$scratch/tour/tour.png" -strip "png:$scratch/tour.png"
convert "$scratch/window.png" -strip "png:$scratch/skinned-window.png"

# The README with the tour's Fusion table, its heading a level down, between the markers.
awk '/^## / { on = /^## Fusion style/; if (on) { sub(/^## /, "### "); print; print "" }; next }
     on && /^\|/ { print; rows = 1 }
     END { if (rows) print "" }' "$scratch/tour/verdicts.md" >"$scratch/table.md"
[ -s "$scratch/table.md" ] || { echo "error: the tour wrote no Fusion table" >&2; exit 1; }
awk -v begin="$begin_marker" -v end="$end_marker" -v table="$scratch/table.md" '
  $0 == end { inside = 0 }
  !inside { print }
  $0 == begin { inside = 1; found = 1; while ((getline line < table) > 0) print line }
  END { exit found ? 0 : 1 }' "$root/README.md" >"$scratch/README.md" ||
  { echo "error: README.md lacks the line: $begin_marker" >&2; exit 1; }

if [ -z "$check" ]; then
  cp "$scratch/README.md" "$root/README.md"
  cp "$scratch/tour.png" "$scratch/skinned-window.png" "$root/docs/"
  echo "wrote README.md, docs/tour.png and docs/skinned-window.png"
  exit 0
fi

stale=0
if ! diff -u "$root/README.md" "$scratch/README.md"; then
  echo "STALE: README.md's verdict table differs from the tour's (above)" >&2
  stale=1
fi
for picture in tour.png skinned-window.png; do
  # compare prints how many pixels differ; its status is 0 alike, 1 different, 2 unusable.
  if ! differing=$(compare -metric AE "$root/docs/$picture" "$scratch/$picture" null: 2>&1); then
    echo "STALE: docs/$picture: $differing pixels differ from what the program draws now" >&2
    stale=1
  fi
done
if [ "$stale" -ne 0 ]; then
  echo "Run scripts/docs.sh to make them anew." >&2
  exit 1
fi
echo "README.md's verdict table, docs/tour.png and docs/skinned-window.png are current"
