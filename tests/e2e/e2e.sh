#!/usr/bin/env bash
# Runs the built program in a virtual X server of its own and drives it with real input events.
# Usage: e2e.sh smoke      PROGRAM  (its window comes up; destroyed from outside, it ends)
#        e2e.sh full       PROGRAM SEND_CLOSE SHOTS_DIR
# Every wait is bounded, and whatever the script started is ended on any way out.
set -euo pipefail

mode=$1
program=$2
window=""

# scratch, fail, step, start_display, and the cleanup on every way out.
source "$(dirname "$0")/../support/harness.sh"

# Every call into X gets a bound, so that a stuck server never hangs the test, and a failure
# says which call it was.
x() { timeout 10 "$@" || fail "'$*' failed with status $?"; }

# Starts the program on the X server with the Fusion style (deterministic pixels) and waits
# for its window titled Form1; sets window to the window's id.
start_program() {
  mkdir -m 700 "$scratch/runtime"
  # Under AddressSanitizer: libxkbcommon, which Qt's X11 platform uses, copies counted strings
  # that carry no terminating zero with strndup; the strict string checks take that for an
  # overflow. Later options win, so this turns just that check off.
  export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0"
  XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=xcb "$program" -style Fusion \
    >"$PROGRAM_LOG" 2>&1 &
  program_pid=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1) || true
  [ -n "$window" ] || fail "no window titled Form1 appeared"
  # The window is mapped; wait (bounded) until its first frame shows the skinned buttons.
  for ((tenth = 0; tenth < 50; tenth++)); do
    screenshot "$scratch/first.ppm"
    [ "$(coloured_faces "$scratch/first.ppm")" -eq 6 ] && return
    sleep 0.1
  done
  fail "the window did not open with the six Command1 buttons in the button colour"
}

title() { x xdotool getwindowname "$window"; }

# Waits until the title is no longer $1 and prints the new one.
wait_title_change() {
  local old=$1 now
  for ((tenth = 0; tenth < 100; tenth++)); do
    now=$(title)
    if [ "$now" != "$old" ]; then
      echo "$now"
      return
    fi
    sleep 0.1
  done
  fail "the title stayed '$old'"
}

# The window's top-left corner on the screen; without a window manager its client area starts
# right there.
window_origin() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(x xdotool getwindowgeometry --shell "$window")"
  echo "$X $Y"
}

# Moves the pointer to a point of the client area (pixels) and clicks there.
click_at() {
  local origin
  read -r -a origin <<<"$(window_origin)"
  # The server handles one client's requests in order, so the click lands where the pointer
  # was moved to (--sync would wait for ever when the pointer is already there).
  x xdotool mousemove $((origin[0] + $1)) $((origin[1] + $2))
  x xdotool click 1
}

# A picture of the window alone, as binary PPM: "P6", width, height, 255, then RGB bytes.
screenshot() { x import -window "$window" -depth 8 "ppm:$1"; }

ppm_width() { head -n 2 "$1" | tail -n 1 | cut -d ' ' -f 1; }
ppm_header_bytes() { head -n 3 "$1" | wc -c; }

# The colour of one pixel of a PPM picture as "R G B".
pixel() {
  local offset=$(($(ppm_header_bytes "$1") + ($3 * $(ppm_width "$1") + $2) * 3))
  od -An -tu1 -j "$offset" -N 3 "$1" | xargs
}

# A digest of a rectangle (left top width height) of a PPM picture, to see whether it changed.
region_digest() {
  local file=$1 left=$2 top=$3 width=$4 height=$5 row
  local header=$(($(ppm_header_bytes "$file"))) stride=$(($(ppm_width "$file") * 3))
  for ((row = top; row < top + height; row++)); do
    od -An -tx1 -j $((header + row * stride + left * 3)) -N $((width * 3)) "$file"
  done | md5sum
}

# --- Form1 as the definition lays it out (twips / 15) -----------------------------------------

readonly button_color="70 130 180"
readonly probar_centre=(428 236)  # cmdProbar: 360,216 size 137x41
# The six Command1 buttons (left top); each is 145 x 41 pixels.
readonly command1_corners=("160 0" "0 0" "312 0" "0 48" "160 48" "312 48")
readonly text1_0=(16 112 105 25)
readonly check1_0=(16 200 97 33)
readonly option1_1=(136 160 105 17)

readonly descriptions=(
  "Style+Appearance+Color (igual a CargarSkin)"
  "Igual a 1 + Ctl.Refresh"
  "Igual a 1 + Form.Refresh"
  "Orden invertido (color antes de Style)"
  "Solo BackColor, sin Style/Appearance"
  "Solo Style/Appearance, sin color"
  "Igual a 1 + toggle Enabled"
  "Mover 1 twip para forzar repintado"
  "DoEvents entre cada asignacion"
  "Reset a estandar (para comparar)"
)

# How many Command1 faces show the button colour, sampled 10 pixels in from the left edge at
# mid height, away from the caption.
coloured_faces() {
  local corner count=0
  for corner in "${command1_corners[@]}"; do
    read -r left top <<<"$corner"
    [ "$(pixel "$1" $((left + 10)) $((top + 20)))" = "$button_color" ] && count=$((count + 1))
  done
  echo "$count"
}

# Takes a screenshot after press $1 into $2 until the faces show what that press should leave:
# the button colour on all six, or (press 10, the reset) on none. The wait is bounded; the
# last picture stays for a look when it fails.
check_faces_after_press() {
  local press=$1 shot=$2 want=6 got
  [ "$press" -eq 10 ] && want=0
  for ((tenth = 0; tenth < 50; tenth++)); do
    screenshot "$shot"
    got=$(coloured_faces "$shot")
    [ "$got" -eq "$want" ] && return
    sleep 0.1
  done
  fail "after press $press, $got of the six Command1 faces show the button colour, not $want" \
    "(see $shot)"
}

# Waits until a rectangle of the window differs from its digest $1.
wait_region_changes() {
  local before=$1 name=$2
  shift 2
  for ((tenth = 0; tenth < 50; tenth++)); do
    screenshot "$scratch/now.ppm"
    [ "$(region_digest "$scratch/now.ppm" "$@")" != "$before" ] && return
    sleep 0.1
  done
  fail "$name did not change on screen"
}

# Waits (bounded) for the program to end and checks its exit status.
expect_exit_status_zero() {
  local status=0
  for ((tenth = 0; tenth < 100; tenth++)); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$program_pid" 2>/dev/null && fail "the program did not end once its window was closed"
  wait "$program_pid" || status=$?
  program_pid=""
  [ "$status" -eq 0 ] || fail "the program exited with status $status"
}

# --- the runs ---------------------------------------------------------------------------------

run_smoke() {
  start_display
  start_program
  [ "$(title)" = "Form1" ] || fail "the title is '$(title)'"
  echo "window Form1 is up on $DISPLAY (id $window)"
  step "destroying the window from another client, as xdotool windowclose does"
  x xdotool windowclose "$window"
  expect_exit_status_zero
  if grep -q . "$PROGRAM_LOG"; then fail "the program wrote to its output"; fi
  echo "PASSED: window Form1 came up; destroyed from outside, the program ended with status 0"
}

# Presses PROBAR with the pointer, waits for the title to change and checks the new one.
press_probar() {
  local expected=$1 before now
  before=$(title)
  click_at "${probar_centre[@]}"
  now=$(wait_title_change "$before")
  [ "$now" = "$expected" ] || fail "a press wrote the title '$now', not '$expected'"
}

press_probar_eleven_times() {
  local shots=$1 press number
  for ((press = 1; press <= 11; press++)); do
    number=$(((press - 1) % 10 + 1))
    press_probar "Prueba $number: ${descriptions[number - 1]}"
    check_faces_after_press "$press" "$shots/press-$press.ppm"
    echo "press $press: $(title)"
  done
}

# Uses the sample controls; none of that is a press of PROBAR, so the title must stay. Each
# control's own reaction is awaited on screen, so the events were surely handled.
use_sample_controls() {
  local shot=$scratch/before.ppm title_before
  title_before=$(title)
  screenshot "$shot"
  local text_before check_before option_before
  text_before=$(region_digest "$shot" "${text1_0[@]}")
  check_before=$(region_digest "$shot" "${check1_0[@]}")
  option_before=$(region_digest "$shot" "${option1_1[@]}")

  click_at 72 20  # Command1(2), "buscar"
  click_at $((text1_0[0] + 50)) $((text1_0[1] + 12))
  x xdotool type --delay 20 "hola"
  click_at $((check1_0[0] + 48)) $((check1_0[1] + 16))
  click_at $((option1_1[0] + 52)) $((option1_1[1] + 8))

  wait_region_changes "$text_before" "the text box Text1(0)" "${text1_0[@]}"
  wait_region_changes "$check_before" "the check box Check1(0)" "${check1_0[@]}"
  wait_region_changes "$option_before" "the option button Option1(1)" "${option1_1[@]}"
  [ "$(title)" = "$title_before" ] ||
    fail "using the sample controls changed the title to '$(title)'"
  echo "the sample controls were used; the title stayed '$title_before'"
}

run_full() {
  local send_close=$3 shots=$4
  mkdir -p "$shots"
  start_display
  start_program
  press_probar_eleven_times "$shots"
  use_sample_controls
  # The next press runs method 2: the sample controls did not advance the method number.
  press_probar "Prueba 2: ${descriptions[1]}"
  step "closing the window (WM_DELETE_WINDOW, as a window manager's close button sends)"
  x "$send_close" "$window" || fail "the close request could not be sent"
  expect_exit_status_zero
  if grep -q . "$PROGRAM_LOG"; then fail "the program wrote to its output"; fi
  echo "PASSED: eleven presses, the sample controls, and a clean close with status 0"
}

case "$mode" in
  smoke) run_smoke ;;
  full) run_full "$@" ;;
  *) fail "unknown mode $mode" ;;
esac
