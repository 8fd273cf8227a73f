"""The forms run of skinbench-tour on a generated Designer form of 500 controls, in one style,
offscreen: the whole process, from exec to exit, as a user runs it.

bench/qt/performance.py adds its row; run on its own it prints the median:

    python3 -m bench.qt.forms_run --build BUILD_DIR [--quick]
"""

import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

CONTROLS = 500
TARGET_S = 5.0
# The mix of a settings dialog, and the four kinds the skin changes among them.
CLASSES = ["QPushButton", "QLineEdit", "QCheckBox", "QRadioButton", "QLabel", "QComboBox",
           "QGroupBox", "QSpinBox"]
COLUMNS, CELL_WIDTH, CELL_HEIGHT = 25, 40, 28


def generated_form(path, count=CONTROLS):
    """A dialog with `count` controls on a grid, each with a text where it takes one."""
    rows = (count + COLUMNS - 1) // COLUMNS
    widgets = []
    for n in range(count):
        kind = CLASSES[n % len(CLASSES)]
        x, y = n % COLUMNS * CELL_WIDTH, n // COLUMNS * CELL_HEIGHT
        text = {"QLineEdit": "text", "QGroupBox": "title"}.get(kind, "text")
        label = "" if kind in ("QComboBox", "QSpinBox") else (
            f'<property name="{text}"><string>c{n}</string></property>')
        widgets.append(
            f'<widget class="{kind}" name="control{n}"><property name="geometry"><rect>'
            f"<x>{x}</x><y>{y}</y><width>{CELL_WIDTH - 2}</width><height>{CELL_HEIGHT - 2}"
            f"</height></rect></property>{label}</widget>")
    path.write_text(
        '<?xml version="1.0" encoding="UTF-8"?>\n<ui version="4.0"><class>Generated</class>'
        '<widget class="QDialog" name="Generated"><property name="geometry"><rect><x>0</x>'
        f"<y>0</y><width>{COLUMNS * CELL_WIDTH}</width><height>{rows * CELL_HEIGHT}</height>"
        "</rect></property>" + "".join(widgets) + "</widget></ui>\n")


def measure(build, quick, scratch):
    """The median wall time in seconds of whole runs, and how many runs it is the median of."""
    tour = Path(build) / "tour" / "skinbench-tour"
    form = Path(scratch) / "generated.ui"
    generated_form(form)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=str(scratch))
    runs = 1 if quick else 5
    times = []
    for turn in range(runs):
        out = Path(scratch) / f"forms{turn}"
        start = time.perf_counter()
        run = subprocess.run([str(tour), "--form", str(form), "--style", "Fusion", "--out",
                              str(out)], env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.PIPE, text=True, timeout=120)
        times.append(time.perf_counter() - start)
        if run.returncode != 0:
            raise RuntimeError(f"the forms run ended with status {run.returncode}:\n{run.stderr}")
        rows = len((out / "forms.csv").read_text().splitlines()) - 1
        if rows != CONTROLS:
            raise RuntimeError(f"the forms run read {rows} controls of {CONTROLS}")
    return statistics.median(times), runs


def section(seconds, runs, verdict):
    return ("## The forms run\n\n`skinbench-tour --form` on a generated Designer form of "
            f"{CONTROLS} controls (push buttons, text boxes, boxes, labels, combo and spin boxes, "
            "group boxes) in the Fusion style, offscreen: the whole process from exec to exit, "
            "loading, showing, reading back, skinning and writing the three files; median of "
            f"{runs} runs.\n\n| | Seconds | Target | |\n|---|---|---|---|\n"
            f"| forms run, {CONTROLS}-control .ui, one style, offscreen | {seconds:.2f} | "
            f"< {TARGET_S:.0f} s | {verdict(seconds < TARGET_S)} |")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", required=True, type=Path)
    parser.add_argument("--quick", action="store_true")
    options = parser.parse_args()
    with tempfile.TemporaryDirectory() as scratch:
        seconds, runs = measure(options.build, options.quick, scratch)
    print(f"forms run, {CONTROLS}-control .ui, one style, offscreen: {seconds:.2f} s "
          f"(median of {runs}; target < {TARGET_S:.0f} s)")


if __name__ == "__main__":
    sys.exit(main())
