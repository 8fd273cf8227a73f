#!/usr/bin/env bash
# The tour and the program in a virtual X server, bare and under a real window manager (openbox).
# Usage: desktop.sh tour-equal   TOUR
#        desktop.sh tour-covered TOUR COVERING_WM
#        desktop.sh picture      PROGRAM OUTPUT.png
#        desktop.sh forms        TOUR FORM.ui...
# tour-equal: the tour's verdicts under openbox, with the pointer moving over its windows, equal
# those on the bare server. tour-covered: where its windows are covered, the tour says so in one
# line, exits with status 1 and writes nothing. picture: the program's window as a desktop shows
# it, active with the focus on "Aceptar", cropped to its client area. forms: the tour's --form on
# real Designer forms in every installed style, offscreen and under openbox with the pointer
# moving over the windows: status 0, the three files, a row for each control each summary line
# counts, and what the skin left on every control the same on both.
# Every wait is bounded, and whatever the script started is ended on any way out.
set -euo pipefail

mode=$1
helpers=()

# scratch, fail, step, start_display, and the cleanup on every way out. A failure shows
# PROGRAM_LOG, which gathers what the tour and every helper here wrote to standard error.
source "$(dirname "$0")/../support/harness.sh"

desktop_cleanup() {
  local pid
  for pid in "${helpers[@]}"; do end_process "$pid"; done
  harness_cleanup
}
trap desktop_cleanup EXIT

# Starts a helper in the background, its standard output kept as $scratch/NAME.out.
start_helper() {
  local name=$1
  shift
  "$@" >"$scratch/$name.out" 2>>"$PROGRAM_LOG" &
  helpers+=($!)
}

start_openbox() {
  start_helper openbox openbox --sm-disable
  for ((tenth = 0; tenth < 100; tenth++)); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return
    sleep 0.1
  done
  fail "openbox did not take over the display"
}

# Runs the tour with the Fusion style into $1, its streams into $scratch/$2.{out,log}, the
# latter also added to PROGRAM_LOG; the rest of the arguments go before the tour's own. Prints
# the exit status.
run_tour() {
  local out=$1 name=$2 status=0
  shift 2
  timeout 120 "$@" --style Fusion --out "$out" >"$scratch/$name.out" 2>"$scratch/$name.log" ||
    status=$?
  { echo "--- the tour, $name:"; cat "$scratch/$name.log"; } >>"$PROGRAM_LOG"
  echo "$status"
}

# Moves the pointer to and fro between "buscar" and "Aceptar" of the windows openbox centres on
# the screen, for as long as the script runs.
move_pointer_about() {
  start_helper pointer bash -c \
    'while xdotool mousemove 290 260 && sleep 0.05 && xdotool mousemove 620 310 && sleep 0.05
     do :; done'
}

run_tour_equal() {
  local tour=$1 status
  start_display
  # The user's choice of platform by the variable alone.
  status=$(run_tour "$scratch/bare" bare env QT_QPA_PLATFORM=xcb "$tour")
  [ "$status" -eq 0 ] || fail "the tour on the bare X server ended with status $status"
  start_openbox
  move_pointer_about
  status=$(run_tour "$scratch/openbox" openbox-tour "$tour" -platform xcb)
  [ "$status" -eq 0 ] || fail "the tour under openbox ended with status $status"
  local run
  for run in bare openbox-tour; do
    grep -q '^## Fusion style on the xcb platform$' "$scratch/$run.out" ||
      fail "the $run run's summary does not name the xcb platform"
  done
  if ! diff "$scratch/bare/verdicts.csv" "$scratch/openbox/verdicts.csv" >&2; then
    fail "the verdicts under openbox differ from those on the bare X server (above)"
  fi
  echo "PASSED: the tour's $(($(wc -l <"$scratch/bare/verdicts.csv") - 1)) verdicts under openbox" \
    "equal those on the bare X server"
}

run_tour_covered() {
  local tour=$1 covering_wm=$2 status
  start_display
  start_helper covering-wm "$covering_wm"
  for ((tenth = 0; tenth < 100; tenth++)); do
    grep -q ready "$scratch/covering-wm.out" && break
    sleep 0.1
  done
  grep -q ready "$scratch/covering-wm.out" || fail "the covering window manager did not start"
  status=$(run_tour "$scratch/out" tour "$tour" -platform xcb)
  [ "$status" -eq 1 ] || fail "the tour in covered windows ended with status $status, not 1"
  [ "$(grep -c 'cannot be read back reliably' "$scratch/tour.log")" -eq 1 ] ||
    fail "the tour did not say in one line that it cannot read the window back"
  [ ! -e "$scratch/out" ] || fail "the tour left behind: $(find "$scratch/out" | tr "\n" " ")"
  [ ! -s "$scratch/tour.out" ] || fail "the tour wrote to its standard output"
  echo "PASSED: in covered windows the tour said: $(grep 'read back' "$scratch/tour.log")"
}

# The window's client area, as binary PPM.
shot() { timeout 10 import -window "$1" -depth 8 "ppm:$2" || fail "cannot take a picture of $1"; }

run_picture() {
  local program=$1 output=$2 window="" active=""
  start_display
  start_openbox
  # The pointer in a corner, so that no button shows as hovered.
  xdotool mousemove 1023 767
  mkdir -m 700 "$scratch/runtime"
  start_helper skinbench env XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=xcb \
    "$program" -style Fusion
  window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1) || true
  [ -n "$window" ] || fail "no window titled Form1 appeared"
  for ((tenth = 0; tenth < 100; tenth++)); do
    active=$(xdotool getactivewindow 2>/dev/null) || true
    [ "$active" = "$window" ] && break
    sleep 0.1
  done
  [ "$active" = "$window" ] || fail "openbox did not make the window active"
  # Painting after the activation is done once two pictures a while apart agree.
  shot "$window" "$scratch/last.ppm"
  for ((tenth = 0; tenth < 50; tenth++)); do
    sleep 0.2
    shot "$window" "$scratch/now.ppm"
    if cmp -s "$scratch/last.ppm" "$scratch/now.ppm"; then
      convert "$scratch/now.ppm" "png:$output" || fail "cannot write $output"
      echo "wrote $output"
      return
    fi
    mv "$scratch/now.ppm" "$scratch/last.ppm"
  done
  fail "the window kept changing"
}

# The forms run's output in $1 against its summary lines in $2: the three files, every form's
# ground read, every form in the same styles, two at least, and as many rows of each form and
# style as its line counts.
check_forms_run() {
  local out=$1 summary=$2 file
  for file in forms.csv forms.md forms.png; do
    [ -s "$out/$file" ] || fail "the forms run in $out wrote no $file"
  done
  # Every form's own ground shows between its controls, a main window's included.
  ! grep -q "hidden by its controls" "$out/forms.md" ||
    fail "the forms run in $out found a form with no ground of its own: $(grep hidden "$out/forms.md")"
  awk -F, -v summary="$summary" '
    FNR == NR {
      if (match($0, / in [^ ]+: [0-9]+ controls,/)) {
        form = substr($0, 1, RSTART - 1)
        split(substr($0, RSTART + 4, RLENGTH - 4), words, /[: ]+/)
        counted[form "," words[1]] = words[2]; styles[words[1]] = 1; forms[form] = 1
      }
      next
    }
    FNR > 1 { rows[$1 "," $2]++ }
    END {
      for (style in styles) { ++style_count; for (form in forms) if (!((form "," style) in counted)) {
        print "no line for " form " in " style; bad = 1 } }
      if (style_count < 2) { print "fewer than two styles"; bad = 1 }
      for (key in counted) if (rows[key] + 0 != counted[key] + 0) {
        print key ": " rows[key] + 0 " rows for " counted[key] " controls"; bad = 1 }
      exit bad
    }' "$summary" "$out/forms.csv" >&2 || fail "the forms run in $out does not match its summary"
}

# What the skin left: each control's face and text after, and whether it is a patch.
forms_after() { cut -d, -f1-5,9-11,14 "$1/forms.csv"; }

run_forms() {
  local tour=$1 status form arguments=()
  shift
  for form in "$@"; do
    [ -f "$form" ] || fail "no $form: install pyqt6-examples (scripts/deps.sh test)"
    arguments+=(--form "$form")
  done
  status=0
  timeout 120 env QT_QPA_PLATFORM=offscreen "$tour" "${arguments[@]}" --out "$scratch/offscreen" \
    >"$scratch/offscreen.out" 2>>"$PROGRAM_LOG" || status=$?
  [ "$status" -eq 0 ] || fail "the forms run offscreen ended with status $status"
  start_display
  start_openbox
  move_pointer_about
  status=0
  timeout 120 "$tour" -platform xcb "${arguments[@]}" --out "$scratch/openbox" \
    >"$scratch/openbox.out" 2>>"$PROGRAM_LOG" || status=$?
  [ "$status" -eq 0 ] || fail "the forms run under openbox ended with status $status"
  check_forms_run "$scratch/offscreen" "$scratch/offscreen.out"
  check_forms_run "$scratch/openbox" "$scratch/openbox.out"
  if ! diff <(forms_after "$scratch/offscreen") <(forms_after "$scratch/openbox") >&2; then
    fail "what the skin left under openbox differs from offscreen (above)"
  fi
  echo "PASSED: $(($(wc -l <"$scratch/openbox/forms.csv") - 1)) controls of $# forms, by style," \
    "the same offscreen and under openbox"
}

case "$mode" in
  tour-equal) run_tour_equal "$2" ;;
  tour-covered) run_tour_covered "$2" "$3" ;;
  picture) run_picture "$2" "$3" ;;
  forms) run_forms "${@:2}" ;;
  *) fail "unknown mode $mode" ;;
esac
