#!/usr/bin/env python3
"""Checks what skinbench-tour.exe --form wrote for the test DLL's dialogs
(tests/tour_win32/forms/dialogs.rc, in a file named comdlg32.dll, given by that name alone, as a
system library is named), shell32.dll and conhost.exe in both styles.

Usage: forms_check.py OUT_DIR STDOUT_FILE. Exit status 0 passed, 1 failed (the reason printed)."""
import csv
import re
import sys
from pathlib import Path

STYLES = ("classic", "themed")
SKIN_BUTTON, SKIN_BUTTON_TEXT = "#4682b4", "#ffffff"  # ColorBoton, ColorTextoBoton
SKIN_FORM, SKIN_TEXT = "#ebecee", "#262a2e"  # ColorFondo, ColorTexto

# Each made dialog's controls in tab order: name, type, class, and what the skin shows on it.
#   button: the host draws it in the skin's colours (Style 1), classic and themed alike
#   box:    its colour messages answered in the skin's form colour and text colour
#   patch:  the skin leaves it alone, so it keeps its old face and text on the new form colour
#   same:   nothing to check but its place
CONTROLS = {
    "comdlg32.dll#EVERY": [
        ("ID1001", "CommandButton", "Button", "button"),
        ("ID1002", "CommandButton", "Button", "button"),
        ("ID1003", "CheckBox", "Button", "box"),
        ("ID1004", "CheckBox", "Button", "box"),
        ("ID1005", "OptionButton", "Button", "box"),
        ("ID1006", "TextBox", "Edit", "same"),
        ("ID1007", "Label", "Static", "patch"),
        ("ID1008", "Frame", "Button", "same"),
        ("ID1009", "msctls_trackbar32", "msctls_trackbar32", "same"),
        ("ID1010", "ComboBox", "ComboBox", "same"),
        ("ID1011", "ListBox", "ListBox", "same"),
    ],
    "comdlg32.dll#102": [  # a child dialog
        ("ID2001", "CommandButton", "Button", "button"),
        ("ID2002", "Label", "Static", "patch"),
    ],
}
# The dialogs that cannot be made or fault, and what their line says.
LINES = {
    "comdlg32.dll#105": r"cannot be made: it is larger than the screen",
    "comdlg32.dll#103": r"cannot be made: the class of its control ID3002, NOBODYSCLASS, is not "
                       r"registered: .*\(error 1407\)",
    "comdlg32.dll#104": r"cannot be made: the class of its control ID4002, NOBODYSOTHERCLASS, is "
                       r"not registered: .*\(error 1407\)",
    "comdlg32.dll#999": r"faulted: the process that made it ended with exception 0xC0000005",
}


def fail(reason):
    print(f"FAIL: {reason}")
    sys.exit(1)


def check_controls(rows):
    for form, controls in CONTROLS.items():
        for style in STYLES:
            got = [r for r in rows if r["form"] == form and r["style"] == style]
            listed = [(r["control"], r["type"], r["class"]) for r in got]
            if listed != [c[:3] for c in controls]:
                fail(f"{form} in {style}: the controls are {listed}")
            for row, (_, _, _, shows) in zip(got, controls):
                check_shown(f"{form} in {style}, {row['control']}", row, shows)
            # Adopted, the controls the skin then leaves or colours look as the platform drew
            # them: on the dialog's own grey, which shows inside the group box.
            ground = {r["face_before"] for r in got if r["type"] == "Frame"}
            before = {r["face_before"] for r, c in zip(got, controls) if c[3] in ("box", "patch")}
            if ground and before != ground:
                fail(f"{form} in {style}: the faces before are {before}, not the dialog's {ground}")


def check_shown(what, row, shows):
    after = (row["face_after"], row["text_after"])
    if shows == "button" and after != (SKIN_BUTTON, SKIN_BUTTON_TEXT):
        fail(f"{what}: a host-drawn button shows {after}")
    if shows == "box" and after != (SKIN_FORM, SKIN_TEXT):
        fail(f"{what}: shows {after}, not the skin's colours")
    if shows == "patch" and (row["patch"] != "yes" or row["face_after"] != row["face_before"]
                             or row["face_after"] == SKIN_FORM or not row["text_after"]
                             or row["text_after"] != row["text_before"]):
        fail(f"{what}: not a patch with its old face and text: {row}")
    if shows in ("button", "box") and row["patch"] != "no":
        fail(f"{what}: reported as a patch")


def check_lines(lines, rows):
    for form, says in LINES.items():
        for style in STYLES:
            if not any(re.match(rf"{re.escape(form)} in {style}: {says}", l) for l in lines):
                fail(f"no line for {form} in {style} that says {says}")
    # Every form of the real programs is made or has its line, in both styles; shell32.dll's
    # child dialogs are made in a window of the tour's; conhost.exe's dialog needs its own class.
    skinned = {(r["form"], r["style"]) for r in rows}
    named = {tuple(m.groups()) for m in
             (re.match(r"(\S+) in (classic|themed): ", l) for l in lines) if m}
    for form in {f for f, _ in named}:
        if {(form, s) in named for s in STYLES} != {True}:
            fail(f"{form} is not in both styles")
    shell32 = [l for l in lines if l.startswith("shell32.dll#")]
    if not shell32 or any(": cannot be made" in l or ": faulted" in l for l in shell32):
        fail("shell32.dll's dialogs are not all made: " + "; ".join(shell32))
    if not any(re.match(r"conhost\.exe#\S+ in classic: cannot be made: .* is not registered", l)
               for l in lines):
        fail("no line for conhost.exe's dialog of a class of its own")
    missing = [l for l in lines if ": cannot be made" not in l and ": faulted" not in l
               and tuple(re.match(r"(\S+) in (\w+): ", l).groups()) not in skinned]
    if missing:
        fail(f"skinned forms without rows: {missing}")


def main():
    folder, stdout = Path(sys.argv[1]), Path(sys.argv[2])
    rows = list(csv.DictReader(open(folder / "forms.csv", newline="")))
    lines = [l for l in stdout.read_text().splitlines() if l.strip()]
    check_controls(rows)
    check_lines(lines, rows)
    print(f"{len(rows)} rows, {len(lines)} forms in all styles")


main()
