#!/usr/bin/env bash
# Makes what README.md and docs/ show of the programs from the programs themselves: the README's
# verdict table and docs/tour.png from skinbench-tour (offscreen, Fusion), docs/forms.png from
# the tour's --form run on a real Designer form (Debian's pyqt6-examples), and
# docs/skinned-window.png from skinbench in a virtual X server under openbox, as a desktop shows
# it. Needs a build (scripts/build.sh) and what scripts/deps.sh test installs.
# With --windows, instead the README's Windows tables, classic and themed, from the 64-bit
# skinbench-tour.exe under Wine in a virtual X server with openbox (tests/tour_win32/tour.sh);
# needs a Windows build (scripts/windows.sh).
# Usage: scripts/docs.sh [--windows] [--check] [BUILD_DIR]
#   --check  writes nothing, and fails, naming each one, when any of them differs from what the
#            programs draw now (pictures pixel for pixel).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
windows=""
if [ "${1:-}" = --windows ]; then
  windows=yes
  shift
fi
check=""
if [ "${1:-}" = --check ]; then
  check=yes
  shift
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Puts the tables of the tour's verdicts.md ($1) whose heading matches $2 (an awk pattern), each
# heading a level down, between the README's lines $3 and $4; the README as it would then be
# goes to $5.
readme_with_tables() {
  local verdicts=$1 headings=$2 begin=$3 end=$4 result=$5
  awk -v headings="$headings" '
    /^## / { on = $0 ~ headings; if (on) { sub(/^## /, "### "); print; print "" }; next }
    on && /^\|/ { print; rows = 1; blank = 1 }
    on && blank && !/^\|/ { print ""; blank = 0 }
    END { if (blank) print "" }' "$verdicts" >"$scratch/table.md"
  [ -s "$scratch/table.md" ] || { echo "error: the tour wrote no table for $headings" >&2; exit 1; }
  awk -v begin="$begin" -v end="$end" -v table="$scratch/table.md" '
    $0 == end { inside = 0 }
    !inside { print }
    $0 == begin { inside = 1; found = 1; while ((getline line < table) > 0) print line }
    END { exit found ? 0 : 1 }' "$root/README.md" >"$result" ||
    { echo "error: README.md lacks the line: $begin" >&2; exit 1; }
}

if [ -n "$windows" ]; then
  build=${1:-$root/build-windows-x64}
  tour=$build/tour/win32/skinbench-tour.exe
  [ -f "$tour" ] || { echo "error: no $tour: run scripts/windows.sh" >&2; exit 1; }
  if ! "$root/tests/tour_win32/tour.sh" run "$root/tests/support/wine_run.sh" "$tour" \
    "$scratch/tour" 2>"$scratch/tour.log"; then
    cat "$scratch/tour.log" >&2
    echo "error: the Windows tour failed" >&2
    exit 1
  fi
  readme_with_tables "$scratch/tour/verdicts.md" '^## (Classic|Themed) controls' \
    '<!-- Windows verdicts: made by scripts/docs.sh --windows from skinbench-tour.exe; do not edit -->' \
    '<!-- end of Windows verdicts -->' "$scratch/README.md"
  if [ -z "$check" ]; then
    cp "$scratch/README.md" "$root/README.md"
    echo "wrote README.md's Windows tables"
  elif ! diff -u "$root/README.md" "$scratch/README.md"; then
    echo "STALE: README.md's Windows tables differ from the tour's (above); run scripts/docs.sh --windows" >&2
    exit 1
  else
    echo "README.md's Windows tables are current"
  fi
  exit 0
fi

build=${1:-$root/build}
readonly begin_marker='<!-- verdicts: made by scripts/docs.sh from the tour; do not edit -->'
readonly end_marker='<!-- end of verdicts -->'

if ! QT_QPA_PLATFORM=offscreen "$build/tour/skinbench-tour" --style Fusion --out "$scratch/tour" \
  >/dev/null 2>"$scratch/tour.log"; then
  cat "$scratch/tour.log" >&2
  echo "error: the tour failed" >&2
  exit 1
fi
# A small dialog with a group box and a button box, as its authors drew it.
readonly real_form=/usr/share/doc/pyqt6-examples/examples/multimediawidgets/camera/imagesettings.ui
[ -f "$real_form" ] ||
  { echo "error: no $real_form: install pyqt6-examples (scripts/deps.sh test)" >&2; exit 1; }
if ! QT_QPA_PLATFORM=offscreen "$build/tour/skinbench-tour" --form "$real_form" --style Fusion \
  --out "$scratch/forms" >/dev/null 2>"$scratch/forms.log"; then
  cat "$scratch/forms.log" >&2
  echo "error: the tour's forms run failed" >&2
  exit 1
fi
"$root/tests/e2e/desktop.sh" picture "$build/app/skinbench" "$scratch/window.png" >/dev/null
convert "$scratch/tour/tour.png" -strip "png:$scratch/tour.png"
convert "$scratch/forms/forms.png" -strip "png:$scratch/forms.png"
convert "$scratch/window.png" -strip "png:$scratch/skinned-window.png"

# The README with the tour's Fusion table, its heading a level down, between the markers.
readme_with_tables "$scratch/tour/verdicts.md" '^## Fusion style' "$begin_marker" "$end_marker" \
  "$scratch/README.md"

if [ -z "$check" ]; then
  cp "$scratch/README.md" "$root/README.md"
  cp "$scratch/tour.png" "$scratch/forms.png" "$scratch/skinned-window.png" "$root/docs/"
  echo "wrote README.md, docs/tour.png, docs/forms.png and docs/skinned-window.png"
  exit 0
fi

stale=0
if ! diff -u "$root/README.md" "$scratch/README.md"; then
  echo "STALE: README.md's verdict table differs from the tour's (above)" >&2
  stale=1
fi
for picture in tour.png forms.png skinned-window.png; do
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
echo "README.md's verdict table, docs/tour.png, docs/forms.png and docs/skinned-window.png are" \
  "current"
