#!/usr/bin/env bash
# Builds the Debian package from a built tree, checks its control fields and files, unpacks it
# into a scratch root and starts the unpacked program in a virtual X server, waiting (with a
# bound) for its window "Form1" and the window's icon.
# Usage: check_package.sh BUILD_DIR SOURCE_DIR
# Exit status: 0 passed, 1 failed.
set -euo pipefail

build=$1
source=$2
window_wait_seconds=30

# scratch, fail, step, start_display, and the cleanup on every way out.
source "$(dirname "$0")/../support/harness.sh"

# Waits for the program's visible window titled Form1 and sets window to its id; a program that
# ends before its window appears fails the test, whatever its status.
wait_for_window() {
  for ((tenth = 0; tenth < window_wait_seconds * 10; tenth++)); do
    window=$(xdotool search --onlyvisible --name '^Form1$' 2>/dev/null | head -n 1) || true
    [ -n "$window" ] && return
    if ! kill -0 "$program_pid" 2>/dev/null; then
      local status=0
      wait "$program_pid" || status=$?
      program_pid=""
      fail "the installed program exited with status $status before its window appeared"
    fi
    sleep 0.1
  done
  fail "no window titled Form1 after ${window_wait_seconds}s"
}

step "building the package"
cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" -G DEB >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; fail "cpack failed"; }
shopt -s nullglob
debs=("$scratch"/out/*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one .deb, found ${#debs[@]}"
deb=${debs[0]}
echo "$(basename "$deb")"

step "control fields"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = skinbench ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = 1.0.0.0 ] || fail "Version is '$(field Version)'"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "wrong Architecture"
depends=$(field Depends)
echo "Depends: $depends"
depended_on=$(sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends")
for package in libqt6widgets6 libqt6gui6 libqt6core6 libqt6uitools6 libc6 libstdc++6; do
  grep -qxF "$package" <<<"$depended_on" || fail "Depends lacks $package"
done
twice=$(sort <<<"$depended_on" | uniq -d)
[ -z "$twice" ] || fail "Depends names more than once: $twice"

step "files"
expected_files=(
  ./usr/bin/skinbench
  ./usr/bin/skinbench-tour
  ./usr/share/applications/skinbench.desktop
  ./usr/share/doc/skinbench/changelog.gz
  ./usr/share/doc/skinbench/copyright
  ./usr/share/icons/hicolor/16x16/apps/skinbench.png
  ./usr/share/icons/hicolor/32x32/apps/skinbench.png
  ./usr/share/man/man1/skinbench-tour.1.gz
  ./usr/share/man/man1/skinbench.1.gz
  ./usr/share/metainfo/org.example.skinbench.metainfo.xml
)
actual_files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
[ "$actual_files" = "$(printf '%s\n' "${expected_files[@]}" | sort)" ] ||
  fail "the package's files differ from the expected ones:"$'\n'"$actual_files"
# Listed once into a variable: grep -q on a pipe would stop reading early and, under pipefail,
# fail the listing with a broken pipe.
listing=$(dpkg-deb -c "$deb")
for program in skinbench skinbench-tour; do
  grep -q "^-rwxr-xr-x .* ./usr/bin/$program\$" <<<"$listing" || fail "$program not executable"
done

step "unpacking into a scratch root"
root=$scratch/root
dpkg -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/skinbench.desktop" ||
  fail "the desktop entry does not validate"
for size in 16 32; do
  cmp -s "$root/usr/share/icons/hicolor/${size}x${size}/apps/skinbench.png" \
    "$source/app/icon/skinbench-$size.png" || fail "the installed ${size}px icon differs"
done
missing=$(ldd "$root/usr/bin/skinbench" | grep 'not found' || true)
[ -z "$missing" ] || fail "unresolved libraries: $missing"

step "starting the installed program in a virtual X server"
start_display
# Under AddressSanitizer: libxkbcommon, which Qt's X11 platform uses, copies counted strings
# that carry no terminating zero with strndup; the strict string checks take that for an
# overflow. Later options win, so this turns just that check off.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0"
QT_QPA_PLATFORM=xcb "$root/usr/bin/skinbench" >"$PROGRAM_LOG" 2>&1 &
program_pid=$!
wait_for_window
echo "window Form1 is up on $DISPLAY (id $window)"
icon=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort -u || true)
echo "$icon"
grep -qx 'Icon (16 x 16)' <<<"$icon" || fail "the window has no 16 x 16 icon"
grep -qx 'Icon (32 x 32)' <<<"$icon" || fail "the window has no 32 x 32 icon"
xprop -id "$window" WM_CLASS
echo "PASSED: package built, checked, unpacked and started; the window carries the icon"
