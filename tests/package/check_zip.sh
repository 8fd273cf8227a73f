#!/usr/bin/env bash
# The Windows zip, made afresh by CPack from a built tree: its name, exactly skinbench.exe,
# skinbench-tour.exe, LICENSE.txt and README.txt at its top, and a README.txt that Notepad shows
# as meant: CRLF line endings, no Markdown left over, and the sections a Windows user needs.
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
# Each section a heading underlined: what the program is, the keyboard, how to run it on Windows
# with its table, and the licence.
for heading in skinbench "Keyboard and screen readers" Windows "What each method shows on Windows" \
  Licence; do
  grep -A1 -x -- "$heading"$'\r' "$readme" | tail -n +2 | grep -q -- $'^[-=]\+\r$' ||
    fail "README.txt has no section \"$heading\""
done
grep -q 'unzip the zip and run skinbench.exe' "$readme" || fail "README.txt does not say how to run it"
grep -q '^Prueba 10: Reset a estandar' "$readme" || fail "README.txt lacks the Windows table"
echo "PASSED: $name holds $listing; README.txt is plain CRLF text with its sections"
