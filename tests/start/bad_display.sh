#!/usr/bin/env bash
# A display that cannot be reached, no display for the platform named, a Wayland display with no
# compositor behind it, an unknown platform: each program ends with one line on standard error
# that names what failed and what to do, and status 1; never Qt's abort and its advice.
# Usage: bad_display.sh PROGRAM TOUR
set -euo pipefail
program=$1 tour=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
chmod 700 "$scratch"
clean=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$scratch")

# An X display number with no server behind it: neither its socket file nor its abstract socket.
x=77
while [ -e "/tmp/.X11-unix/X$x" ] || grep -q "@/tmp/.X11-unix/X$x\$" /proc/net/unix; do
  x=$((x + 1))
done
# Qt's Wayland platform is a package of its own; without it the line says that instead.
wayland_says=("nothere" "WAYLAND_DISPLAY")
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
compgen -G "$plugins/platforms/libqwayland*" >/dev/null || wayland_says=("qt6-wayland")

# expect WHAT TEXT... -- COMMAND...: status 1, nothing on standard output, one line on standard
# error that starts with "$name: " and holds each TEXT.
expect() {
  local what=$1 texts=() status=0 text
  shift
  while [ "$1" != -- ]; do
    texts+=("$1")
    shift
  done
  shift
  timeout 30 "${clean[@]}" "$@" >"$scratch/out" 2>"$scratch/err" || status=$?
  [ "$status" -eq 1 ] || fail "$what: status $status, not 1: $(cat "$scratch/err")"
  [ ! -s "$scratch/out" ] || fail "$what: it wrote to standard output: $(cat "$scratch/out")"
  [ "$(wc -l <"$scratch/err")" -eq 1 ] || fail "$what: not one line: $(cat "$scratch/err")"
  grep -q "^$name: " "$scratch/err" || fail "$what: the line does not start with $name"
  for text in "${texts[@]}"; do
    grep -qF -- "$text" "$scratch/err" || fail "$what: the line lacks '$text': $(cat "$scratch/err")"
  done
  echo "$what: $(cat "$scratch/err")"
}

for run in "$program" "$tour --out $scratch/tour"; do
  read -r -a run <<<"$run"
  name=$(basename "${run[0]}")
  expect "-platform xcb, DISPLAY=:$x" ":$x" "DISPLAY" "xvfb-run" -- env DISPLAY=":$x" "${run[@]}" \
    -platform xcb
  expect "-platform xcb, no display" "DISPLAY" "xvfb-run" -- "${run[@]}" -platform xcb
  for wayland in wayland wayland-egl; do
    expect "-platform $wayland, WAYLAND_DISPLAY=nothere" "${wayland_says[@]}" -- \
      env WAYLAND_DISPLAY=nothere "${run[@]}" -platform "$wayland"
  done
  expect "-platform bogus" '"bogus"' "offscreen" "-platform" -- "${run[@]}" -platform bogus
done
# Where no platform is named, skinbench takes the one the environment points to.
name=skinbench
expect "DISPLAY=:$x" ":$x" "xvfb-run" -- env DISPLAY=":$x" "$program"
# Qt falls back on X there, so the line gives the advice for both.
expect "WAYLAND_DISPLAY=nothere" "${wayland_says[@]}" "set DISPLAY to a running X server" \
  "xvfb-run" -- env WAYLAND_DISPLAY=nothere "$program"
expect "QT_QPA_PLATFORM=wayland, WAYLAND_DISPLAY=nothere" "${wayland_says[@]}" -- \
  env QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=nothere "$program"
expect "QT_QPA_PLATFORM=bogus" '"bogus"' -- env QT_QPA_PLATFORM=bogus "$program"
[ ! -e "$scratch/tour" ] || fail "the tour wrote $scratch/tour"
echo "PASSED"
