#!/usr/bin/env bash
# Runs a Windows build of the program under Wine in a virtual X server with a real window
# manager (openbox), drives it with real input events and reads its pixels.
# Usage: e2e.sh bare WINE_RUN PROGRAM             the bare Win32 program: proves the driver
#        e2e.sh full WINE_RUN PROGRAM SHOTS_DIR   skinbench.exe: skinned, eleven presses, close
#        e2e.sh msaa WINE_RUN PROGRAM CLIENT      skinbench.exe as the MSAA client CLIENT sees it
#        e2e.sh msaa_fault WINE_RUN PROGRAM CLIENT  the client finding a fault: it says what it
#                                                   found and closes the program
#        e2e.sh no_display WINE_RUN PROGRAM       skinbench.exe where no display can be opened
# WINE_RUN runs a Windows program under Wine and exits with its status. Every wait is bounded,
# and whatever the script started is ended on any way out.
set -euo pipefail

mode=$1 wine_run=$2 program=$3
here=$(cd "$(dirname "$0")" && pwd)
# The scratch folder, the X server and the cleanup of the program and the server.
source "$here/../support/harness.sh"
manager_pid="" window=""
trap 'end_process "$manager_pid"; harness_cleanup' EXIT

show_log() {
  echo "--- $1:" >&2
  if [ -s "$2" ]; then cat "$2" >&2; else echo "(empty)" >&2; fi
}
fail() {
  echo "FAIL: $*" >&2
  echo "--- display: ${DISPLAY:-none}" >&2
  show_log "the X server's log" "$scratch/xvfb.log"
  show_log "the window manager's log" "$scratch/openbox.log"
  show_log "the program's standard error" "$scratch/program.log"
  [ ! -e "$scratch/client.log" ] || show_log "the MSAA client's output" "$scratch/client.log"
  exit 1
}

source "$here/pixels.sh"

# Every call into X is bounded, so that a stuck server never hangs the test.
x() { timeout 10 "$@" || fail "'$*' failed with status $?"; }

start_openbox() { start_window_manager "$scratch" || fail "openbox did not start"; }

# Starts the program and waits for its window Form1. The first run may make the Wine prefix,
# which takes a while on a loaded machine.
start_program() {
  "$wine_run" "$program" >/dev/null 2>"$scratch/program.log" &
  program_pid=$!
  window=$(timeout 180 xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1) || true
  [ -n "$window" ] || fail "no window titled Form1 appeared"
}

# The window manager framed the window, and its client area is the program's.
check_window() {
  local WIDTH HEIGHT X Y SCREEN WINDOW
  eval "$(x xdotool getwindowgeometry --shell "$window")"
  [ "$WIDTH x $HEIGHT" = "512 x 339" ] || fail "the client area is $WIDTH x $HEIGHT, not 512 x 339"
  x xprop -id "$window" _NET_FRAME_EXTENTS | grep -q '=' ||
    fail "the window manager did not frame the window"
  echo "Form1 is up on $DISPLAY: client area $WIDTH x $HEIGHT, framed by openbox"
}

title() { x xdotool getwindowname "$window"; }

click_at() {
  x xdotool mousemove --window "$window" "$1" "$2"
  x xdotool click 1
}

# Asks the window manager to close the window, as its close button does (Alt+F4 here), and
# expects the program to end with status 0 and nothing on its standard error.
close_by_window_manager() {
  local status=0
  x xdotool windowactivate --sync "$window"
  x xdotool key --clearmodifiers alt+F4
  for ((tenth = 0; tenth < 150; tenth++)); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$program_pid" 2>/dev/null && fail "the program did not end after the close"
  wait "$program_pid" || status=$?
  program_pid=""
  [ "$status" -eq 0 ] || fail "the program exited with status $status"
  if grep -q . "$scratch/program.log"; then fail "the program wrote to its standard error"; fi
  echo "closed by the window manager: status 0"
}

# Waits until the rectangle (left top width height) of the window differs from digest $1.
wait_region_changes() {
  local before=$1 name=$2
  shift 2
  for ((tenth = 0; tenth < 50; tenth++)); do
    screenshot "$window" "$scratch/now.ppm"
    [ "$(region_digest "$scratch/now.ppm" "$@")" != "$before" ] && return
    sleep 0.1
  done
  fail "$name did not change on screen"
}

# --- Form1 as the definition lays it out (twips / 15) -----------------------------------------

readonly button_color="70 130 180"
readonly probar_centre=(428 236)
# The six Command1 buttons (left top), 145 x 41 pixels each, and PROBAR.
readonly command1_corners=("160 0" "0 0" "312 0" "0 48" "160 48" "312 48")
readonly probar_corner="360 216"
readonly check1_0=(16 200 97 33)

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

# How many of the given buttons (left top) show the button colour on their face, 10 pixels in
# from the left edge at mid height, away from the caption.
coloured_faces() {
  local file=$1 corner left top count=0
  shift
  for corner in "$@"; do
    read -r left top <<<"$corner"
    [ "$(pixel "$file" $((left + 10)) $((top + 20)))" = "$button_color" ] && count=$((count + 1))
  done
  echo "$count"
}

# Waits (bounded) until $want of the six Command1 faces show the button colour.
wait_coloured_faces() {
  local want=$1 shot=$2 what=$3 got=0
  for ((tenth = 0; tenth < 50; tenth++)); do
    screenshot "$window" "$shot"
    got=$(coloured_faces "$shot" "${command1_corners[@]}")
    [ "$got" -eq "$want" ] && return
    sleep 0.1
  done
  fail "$what: $got of the six Command1 faces show the button colour, not $want (see $shot)"
}

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

press_probar() {
  local expected=$1 before now
  before=$(title)
  click_at "${probar_centre[@]}"
  now=$(wait_title_change "$before")
  [ "$now" = "$expected" ] || fail "a press wrote the title '$now', not '$expected'"
}

# --- the runs ---------------------------------------------------------------------------------

run_bare() {
  local shot=$scratch/bare.ppm before
  start_display
  start_openbox
  start_program
  check_window
  screenshot "$window" "$shot"
  [ "$(coloured_faces "$shot" "${command1_corners[@]}")" -eq 0 ] ||
    fail "the bare program shows the button colour"
  before=$(region_digest "$shot" "${check1_0[@]}")
  click_at $((check1_0[0] + 48)) $((check1_0[1] + 16))
  wait_region_changes "$before" "the check box Check1(0)" "${check1_0[@]}"
  echo "a click ticked Check1(0)"
  close_by_window_manager
  echo "PASSED: the bare program under Wine and openbox"
}

run_full() {
  local shots=$4 press number want
  mkdir -p "$shots"
  start_display
  start_openbox
  start_program
  check_window
  [ "$(title)" = "Form1" ] || fail "the title at start is '$(title)'"
  wait_coloured_faces 6 "$shots/start.ppm" "at start"
  [ "$(coloured_faces "$shots/start.ppm" "$probar_corner")" -eq 1 ] ||
    fail "PROBAR does not show the button colour at start"
  echo "skinned at start: the six Command1 buttons and PROBAR show the button colour"
  for ((press = 1; press <= 11; press++)); do
    number=$(((press - 1) % 10 + 1))
    press_probar "Prueba $number: ${descriptions[number - 1]}"
    want=6
    [ "$number" -eq 10 ] && want=0
    wait_coloured_faces "$want" "$shots/press-$press.ppm" "after press $press"
    echo "press $press: $(title)"
  done
  close_by_window_manager
  echo "PASSED: skinned at start, eleven presses, closed with status 0"
}

# The client starts the program itself, so that one Wine run holds the prefix; it prints the tree
# it reads and what it checked.
run_msaa() {
  local client=$4
  start_display
  start_openbox
  timeout 240 "$wine_run" "$client" "$(windows_path "$program")" >"$scratch/client.log" 2>&1 ||
    fail "the MSAA client found a fault (status $?)"
  cat "$scratch/client.log"
}

# Told to expect another name for the first control, the client says what it found there,
# closes the program and exits 1. Wine's runner returns only once every program in its prefix
# has ended, so a client that left the program running never returns: the bound then ends it.
run_msaa_fault() {
  local client=$4 status=0
  start_display
  start_openbox
  timeout 120 "$wine_run" "$client" "$(windows_path "$program")" Rechazar \
    >"$scratch/client.log" 2>&1 || status=$?
  [ "$status" -ne 124 ] || fail "the MSAA client did not end: it left the program running"
  [ "$status" -eq 1 ] || fail "the MSAA client exited with status $status, not 1"
  grep -q '^FAIL: child 0 is .*"Aceptar" (Command1(0)), not .*"Rechazar"' "$scratch/client.log" ||
    fail "the MSAA client did not say what it found"
  grep -q '^the program was closed' "$scratch/client.log" ||
    fail "the MSAA client did not close the program"
  cat "$scratch/client.log"
  echo "PASSED: the client said what it found and closed the program"
}

windows_path() { echo "Z:${1//\//\\}"; }

# A display number that no X server has taken.
unused_display() {
  local number
  for ((number = 150; number < 250; number++)); do
    [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] || { echo "$number"; return; }
  done
  fail "no unused display number"
}

# With a display that cannot be opened, the program's one line names the form's window as what
# could not be created and gives the system's reason with its number; the status is 1.
run_no_display() {
  local status=0 said display
  display=$(unused_display) || exit 1
  DISPLAY=":$display" "$wine_run" "$program" >/dev/null 2>"$scratch/program.log" ||
    status=$?
  [ "$status" -eq 1 ] || fail "the program exited with status $status, not 1"
  [ "$(wc -l <"$scratch/program.log")" -eq 1 ] || fail "the program did not write one line"
  said=$(cat "$scratch/program.log")
  local wanted="^skinbench: the window could not be opened: the form's window could not be created: "
  wanted+="[^ ].* \(error [1-9][0-9]*\)$"
  [[ $said =~ $wanted ]] ||
    fail "the line does not say that the form's window could not be created, and why: $said"
  echo "PASSED: $said"
}

case "$mode" in
  bare) run_bare ;;
  full) run_full "$@" ;;
  msaa) run_msaa "$@" ;;
  msaa_fault) run_msaa_fault "$@" ;;
  no_display) run_no_display ;;
  *) fail "unknown mode '$mode'" ;;
esac
