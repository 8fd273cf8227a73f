#!/usr/bin/env bash
# The Windows zip, made afresh by CPack from a built tree: its name, exactly skinbench.exe,
# skinbench-tour.exe, LICENSE.txt and README.txt at its top, and a README.txt that Notepad shows
# as meant: CRLF line endings, no Markdown left over, and the sections a Windows user needs,
# without the building and testing.
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

readme=$scratch/README.txt
(cd "$scratch" && cmake -E tar xf "$name" README.txt)
grep -q $'\r$' "$readme" || fail "README.txt has no CRLF line endings"
! grep -qn $'[^\r]$\|^$' "$readme" || fail "README.txt has lines ending in LF alone:
$(grep -n $'[^\r]$\|^$' "$readme" | head -3)"
# Markdown that a reader of plain text would stumble on, each with what it is.
leftovers=(
  '!\[' 'a picture link'
  '\](' 'a link'
  '^#' 'a heading mark'
  '[*`]' 'emphasis or code marks'
  '<!--' 'an HTML comment'
  '^ *\(```\|~~~\)' 'a fenced code marker'
  '^ *|.*| *.$' 'a table row'
)
for ((i = 0; i < ${#leftovers[@]}; i += 2)); do
  ! grep -qn -- "${leftovers[i]}" "$readme" ||
    fail "README.txt holds ${leftovers[i + 1]}: $(grep -n -- "${leftovers[i]}" "$readme" | head -1)"
done
# It opens with what a person on Windows needs, each a heading underlined, in this order: what
# the program is, how to run it and the tour, the keyboard and screen readers, the tables, the
# licence.
previous=0
for heading in skinbench Windows "The tour on Windows" "Keyboard and screen readers" \
  "What each method shows on Windows" Licence; do
  at=$(grep -n -A1 -x -- "$heading"$'\r' "$readme" | grep -m 1 -- $'^[0-9]*-[-=]\+\r$' |
    cut -d- -f1 || true)
  [ -n "$at" ] || fail "README.txt has no section \"$heading\""
  [ "$at" -gt "$previous" ] || fail "README.txt has \"$heading\" out of order (line $at)"
  previous=$at
done
# The building and testing on Linux stay in README.md, each with what it is.
linux_only=(
  'scripts/' 'a script of the repository'
  'ctest' 'a test command'
  'cmake' 'a build command'
  'build-windows-' 'a build folder'
)
for ((i = 0; i < ${#linux_only[@]}; i += 2)); do
  ! grep -qn -- "${linux_only[i]}" "$readme" ||
    fail "README.txt holds ${linux_only[i + 1]}: $(grep -n -- "${linux_only[i]}" "$readme" | head -1)"
done
# A file that the zip holds under another name than the repository's is named as the zip has it.
renamed=(LICENSE LICENSE.txt README.md README.txt)
for ((i = 0; i < ${#renamed[@]}; i += 2)); do
  ! grep -qnP -- "\\b${renamed[i]//./\\.}\\b(?!\\.txt)" "$readme" ||
    fail "README.txt names ${renamed[i]}, which the zip holds as ${renamed[i + 1]}"
done
grep -q 'see LICENSE.txt' "$readme" || fail "README.txt does not point to LICENSE.txt"
# A table row is its first cell, then each other cell under its column's heading; a cell that is
# its own heading is a table's heading row taken for a row.
! grep -qnE $'^    ([^:]+): \\1\r$' "$readme" ||
  fail "README.txt has a table's heading as a row: $(grep -nE $'^    ([^:]+): \\1\r$' "$readme" | head -1)"
[ "$(grep -c '^Prueba 10: Reset a estandar' "$readme")" -ge 2 ] ||
  fail "README.txt lacks the Windows tables, classic and themed"
grep -q 'unzip the zip and run skinbench.exe' "$readme" || fail "README.txt does not say how to run it"
# The tour on a program's own dialogs: the command and the type-name table.
grep -q 'skinbench-tour.exe --form ' "$readme" || fail "README.txt does not say how to skin a program's dialogs"
grep -A1 '^BUTTON, group box' "$readme" | grep -q '^    Type name: Frame' ||
  fail "README.txt lacks the Windows type-name table"
echo "PASSED: $name holds $listing; README.txt is plain CRLF text with its sections"
