#!/usr/bin/env bash
# Every option and exit status that the tour's --help and the README promise, as one table run
# against either tour: the Linux one offscreen (CTest's tour_options), skinbench-tour.exe under
# Wine in tests/tour_win32/tour.sh's display.
# Usage: tour_options.sh PATHS STYLE PROGRAM [ARGUMENT]...
#   PATHS    how the program names a file: unix, or windows (Z:\ and backslashes, as under Wine)
#   STYLE    one of the program's styles, as its verdicts name it
#   PROGRAM  the tour and what runs it: skinbench-tour, or wine_run.sh skinbench-tour.exe
set -euo pipefail
paths=$1 style=$2
shift 2
# shellcheck source=tests/support/harness.sh
source "$(dirname "$0")/../support/harness.sh"

# A row: the arguments | the exit status | the outcome [| the only paths it is for]. In the
# arguments @OUT@ is a folder not there yet, in a folder that must stay empty unless the tour
# succeeds; @FILE@ a file, which must stay as it is; @LOCKED@ that folder made read-only (a row
# left out for root, who writes there all the same); @STYLE@ the style, @ANYCASE@ the style in
# capitals, as a style may be named. Files for --form: @MISSING@ one not there, @TEXT@ a text
# file; on Windows @TRUNCATED@ the start of the program in $TEST_DIALOGS, cut off in its headers,
# and @NO_RESOURCES@ the program in $TEST_NO_RESOURCES, which has no resources at all.
# The outcomes:
#   usage        the usage on standard output, nothing written
#   refused:TEXT one line on standard error that says TEXT, nothing on standard output, nothing
#                written; TEXT;TEXT... as many lines, each saying its TEXT, in that order
#   verdicts     the six files, the verdicts of the style alone: 2 starts x 10 methods x 6 buttons
readonly rows=(
  "--out @OUT@ --form @MISSING@ --form @TEXT@ --form @TRUNCATED@ --form @NO_RESOURCES@|2|refused:@MISSING@: no such file;@TEXT@: neither a form nor a program;@TRUNCATED@: a program cut short;@NO_RESOURCES@: a program with no dialogs|windows"
  "--out @OUT@ --help|0|usage"
  "-h|0|usage"
  "--outdir @OUT@|2|refused:unknown option \"--outdir\""
  "--out @OUT@ --styles @STYLE@|2|refused:unknown option \"--styles\""
  "--out @OUT@ --style=bogus|2|refused:unknown style \"bogus\""
  "--out @OUT@ --style|2|refused:--style needs a value"
  "--out @FILE@/out --style @STYLE@|2|refused:cannot create the folder"
  "--out @LOCKED@ --style @STYLE@|2|refused:cannot write into it"
  "--out=@OUT@ --style @ANYCASE@|0|verdicts"
)

path_for_program() {
  if [ "$paths" = windows ]; then
    local path=${1//\//\\}
    printf 'Z:%s' "$path"
  else
    printf '%s' "$1"
  fi
}

# The tour's own lines on standard error; Qt or Wine may have written lines of their own.
tour_lines() { grep '^skinbench-tour: ' "$1" || true; }

check_nothing_written() {
  [ -z "$(ls -A "$case_dir/empty")" ] || fail "$1: it wrote $(ls -A "$case_dir/empty")"
  [ "$(cat "$case_dir/file")" = kept ] || fail "$1: the file was changed"
}

check_refused() {
  local row=$1 texts=$2 lines text at=0
  mapfile -t lines < <(tour_lines "$case_dir/err")
  IFS=';' read -ra texts <<<"$texts"
  [ "${#lines[@]}" = "${#texts[@]}" ] ||
    fail "$row: not ${#texts[@]} line(s): $(cat "$case_dir/err")"
  for text in "${texts[@]}"; do
    [[ "${lines[$at]}" == *"$text"* ]] || fail "$row: line $((at + 1)) does not say '$text': ${lines[$at]}"
    at=$((at + 1))
  done
  [ ! -s "$case_dir/out" ] || fail "$row: it wrote to standard output: $(head -c 300 "$case_dir/out")"
  check_nothing_written "$row"
}

check_verdicts() {
  local row=$1 file others
  for file in tour.png method9.png tour.md verdicts.csv verdicts.md verdicts.png; do
    [ -s "$case_dir/empty/out/$file" ] || fail "$row: no $file"
  done
  [ "$(tail -n +2 "$case_dir/empty/out/verdicts.csv" | grep -c "^$style,")" = 120 ] ||
    fail "$row: not 120 rows of $style"
  others=$(tail -n +2 "$case_dir/empty/out/verdicts.csv" | grep -vc "^$style," || true)
  [ "$others" = 0 ] || fail "$row: $others rows of other styles"
}

number=0
for row in "${rows[@]}"; do
  IFS='|' read -r arguments expected outcome only <<<"$row"
  number=$((number + 1))
  case_dir=$scratch/$number
  if [ -n "$only" ] && [ "$only" != "$paths" ]; then
    step "$arguments: only for $only paths"
    continue
  fi
  mkdir -p "$case_dir/empty"
  echo kept >"$case_dir/file"
  echo "a line of text" >"$case_dir/text.txt"
  if [[ "$arguments" == *@TRUNCATED@* ]]; then
    head -c 200 "$TEST_DIALOGS" >"$case_dir/truncated.dll"
  fi
  if [[ "$arguments" == *@LOCKED@* ]]; then
    [ "$(id -u)" != 0 ] || { step "$arguments: left out for root"; continue; }
    chmod a-w "$case_dir/empty"
  fi
  arguments=${arguments//@OUT@/$(path_for_program "$case_dir/empty/out")}
  arguments=${arguments//@FILE@/$(path_for_program "$case_dir/file")}
  arguments=${arguments//@LOCKED@/$(path_for_program "$case_dir/empty")}
  for placeholder in MISSING:missing.dll TEXT:text.txt TRUNCATED:truncated.dll; do
    arguments=${arguments//@${placeholder%%:*}@/$(path_for_program "$case_dir/${placeholder#*:}")}
    outcome=${outcome//@${placeholder%%:*}@/$(path_for_program "$case_dir/${placeholder#*:}")}
  done
  if [[ "$arguments" == *@NO_RESOURCES@* ]]; then
    arguments=${arguments//@NO_RESOURCES@/$(path_for_program "$TEST_NO_RESOURCES")}
    outcome=${outcome//@NO_RESOURCES@/$(path_for_program "$TEST_NO_RESOURCES")}
  fi
  arguments=${arguments//@STYLE@/$style}
  arguments=${arguments//@ANYCASE@/${style^^}}
  step "$arguments: status $expected, $outcome"
  status=0
  # shellcheck disable=SC2086 # the arguments are words without spaces
  "$@" $arguments >"$case_dir/out" 2>"$case_dir/err" </dev/null || status=$?
  PROGRAM_LOG=$case_dir/err
  [ "$status" = "$expected" ] || fail "$row: status $status"
  case $outcome in
    usage)
      [ "$(head -c 21 "$case_dir/out")" = "Usage: skinbench-tour" ] ||
        fail "$row: no usage: $(cat "$case_dir/out")"
      check_nothing_written "$row"
      ;;
    refused:*) check_refused "$row" "${outcome#refused:}" ;;
    verdicts) check_verdicts "$row" ;;
  esac
done
echo "PASSED: ${#rows[@]} rows"
