#!/usr/bin/env bash
# skinbench-tour.exe under Wine in a virtual X server with openbox.
# Usage: tour.sh test WINE_RUN TOUR_EXE DIALOGS_DLL NO_RESOURCES_DLL
#          every option and exit status as tests/tour/tour_options.sh has them, themed alone,
#          --form's bad files among them; both styles give the six files and 240 rows, each
#          style's table headed with it and Wine, and classic and themed tell apart at least one
#          method; a window kept covered gives status 1 and writes nothing, and so does a dialog
#        tour.sh forms WINE_RUN TOUR_EXE DIALOGS_DLL
#          --form on the test DLL's dialogs (tests/tour_win32/forms/dialogs.rc), copied as
#          comdlg32.dll and named so alone, so that the file named and not the system's library
#          of that name is read, and on two real programs of the Wine prefix: shell32.dll, whose
#          dialogs include child dialogs, and conhost.exe, whose dialog needs a class of its
#          own; both styles
#        tour.sh run WINE_RUN TOUR_EXE OUT_DIR
#          the whole tour into OUT_DIR (scripts/docs.sh takes the README's tables from it);
#          exits with the tour's status
set -euo pipefail
mode=$1 wine_run=$2 tour=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/harness.sh"
manager_pid="" cover_pid=""
trap 'end_process "$cover_pid"; end_process "$manager_pid"; harness_cleanup' EXIT

winpath() { printf 'Z:%s' "${1//\//\\}"; }

# openbox as the Windows end-to-end test has it, and a window of class Xmessage kept in the layer
# above every other window, full screen: the cover.
start_openbox() {
  sed 's|</openbox_config>|<applications><application class="Xmessage"><layer>above</layer><fullscreen>yes</fullscreen></application></applications></openbox_config>|' \
    "$skinbench_openbox_config" >"$scratch/openbox.xml"
  start_window_manager "$scratch" "$scratch/openbox.xml" || fail "openbox did not start"
}

# Runs the tour into $scratch/$1 with the arguments that follow; sets status.
run_tour() {
  local out=$1
  shift
  status=0
  "$wine_run" "$tour" --out "$(winpath "$scratch/$out")" "$@" >"$scratch/$out.stdout" \
    2>"$scratch/$out.stderr" || status=$?
}

start_display >/dev/null
start_openbox

if [ "$mode" = run ]; then
  status=0
  "$wine_run" "$tour" --out "$(winpath "$4")" >/dev/null || status=$?
  exit "$status"
fi

if [ "$mode" = forms ]; then
  step "--form: the test dialogs, shell32.dll and conhost.exe, both styles"
  cp "$4" "$scratch/comdlg32.dll"
  cd "$scratch"
  run_tour forms --form comdlg32.dll --form 'C:\windows\system32\shell32.dll' \
    --form 'C:\windows\system32\conhost.exe'
  PROGRAM_LOG=$scratch/forms.stderr
  [ "$status" = 0 ] || fail "status $status"
  python3 "$here/forms_check.py" "$scratch/forms" "$scratch/forms.stdout" ||
    fail "the forms do not hold"
  echo "PASSED"
  exit 0
fi

step "every option and exit status"
TEST_DIALOGS=$4 TEST_NO_RESOURCES=$5 "$here/../tour/tour_options.sh" windows themed "$wine_run" \
  "$tour" || fail "the options do not hold"

step "both styles: the six files, 240 rows, classic and themed apart"
started=$(date +%s%N)
run_tour both
finished=$(date +%s%N)
PROGRAM_LOG=$scratch/both.stderr
[ "$status" = 0 ] || fail "status $status"
echo "the whole tour took $(((finished - started) / 1000000)) ms under Wine"
for file in tour.png method9.png tour.md verdicts.csv verdicts.md verdicts.png; do
  [ -s "$scratch/both/$file" ] || fail "no $file"
done
python3 - "$scratch/both" <<'PYTHON' || fail "the verdicts do not hold"
import csv, sys
from pathlib import Path
folder = Path(sys.argv[1])
rows = list(csv.DictReader(open(folder / "verdicts.csv", newline="")))
assert len(rows) == 240, f"{len(rows)} rows"
by_style = {s: {(r["start"], r["method"], r["button"]): (r["face"], r["text"])
                for r in rows if r["style"] == s} for s in ("classic", "themed")}
assert all(len(v) == 120 for v in by_style.values()), {k: len(v) for k, v in by_style.items()}
differ = sorted({(k[0], int(k[1])) for k in by_style["classic"]
                 if by_style["classic"][k] != by_style["themed"][k]})
assert differ, "classic and themed show the same on every button"
print("classic and themed differ after", ", ".join(f"method {m} from {s}" for s, m in differ))
markdown = (folder / "verdicts.md").read_text()
for style in ("Classic", "Themed"):
    assert f"## {style} controls, read on Wine " in markdown, f"no heading for {style}"
PYTHON

step "a window kept covered: status 1, nothing written"
xmessage -geometry 1024x768+0+0 "cover" >"$scratch/cover.log" 2>&1 &
cover_pid=$!
run_tour covered
PROGRAM_LOG=$scratch/covered.stderr
[ "$status" = 1 ] || fail "status $status"
tail -n 1 "$scratch/covered.stderr"
[ ! -e "$scratch/covered" ] || fail "something was written: $(ls -A "$scratch/covered")"

step "a dialog kept covered: the worker's read-back fails, status 1, nothing written"
run_tour covered_forms --form "$(winpath "$4")"
PROGRAM_LOG=$scratch/covered_forms.stderr
[ "$status" = 1 ] || fail "status $status"
tail -n 1 "$scratch/covered_forms.stderr"
[ ! -e "$scratch/covered_forms" ] || fail "something was written: $(ls -A "$scratch/covered_forms")"
echo "PASSED"
