#!/usr/bin/env python3
"""What each test method shows on Windows: runs methods_case.exe under Wine for every method from
both starts, writes the table, checks what the Win32 host must show, and checks that the README
carries the same table.

    methods_table.py --wine-run WINE_RUN --case METHODS_CASE_EXE --out TABLE.md
                     [--readme README.md [--update-readme]]

WINE_RUN runs a Windows program under Wine and exits with its status. The cases run one after
the other in a virtual X server of this script's own. Exits 1 with the reasons when a check
fails, and 2 when a case cannot be run at all.
"""

import argparse
import os
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass
from pathlib import Path

DESCRIPTIONS = [
    "Style+Appearance+Color (igual a CargarSkin)",
    "Igual a 1 + Ctl.Refresh",
    "Igual a 1 + Form.Refresh",
    "Orden invertido (color antes de Style)",
    "Solo BackColor, sin Style/Appearance",
    "Solo Style/Appearance, sin color",
    "Igual a 1 + toggle Enabled",
    "Mover 1 twip para forzar repintado",
    "DoEvents entre cada asignacion",
    "Reset a estandar (para comparar)",
]
STARTS = ("skinned", "standard")
COLOR_BOTON = 0x4682B4
READABLE = 4.5
NEAR = 8  # white or black also when a few glyph pixels fall just short of full coverage
BEGIN = "<!-- What each method shows on Windows: written by tests/win32_methods/methods_table.py -->"
END = "<!-- end of what each method shows on Windows -->"


class CannotRun(Exception):
    pass


@dataclass
class Button:
    name: str
    face: int
    text: int
    contrast: float
    shown_at_once: bool
    unchanged: bool


@dataclass
class Case:
    start: str
    method: int
    title: str
    buttons: list


class VirtualDisplay:
    """An Xvfb server on a display number it picks itself; its log is kept for a failure."""

    def __init__(self, scratch):
        self.log_path = Path(scratch) / "xvfb.log"

    def __enter__(self):
        read_end, write_end = os.pipe()
        with open(self.log_path, "w") as log:
            self.process = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                 "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,), stdout=log, stderr=log)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            self.display = ":" + pipe.readline().strip()
        if self.display == ":":
            raise CannotRun("the virtual X server did not start:\n" + self.log())
        return self

    def __exit__(self, *exc):
        self.process.terminate()
        self.process.wait()

    def log(self):
        return self.log_path.read_text() if self.log_path.exists() else ""


class WindowManager:
    """openbox on the display: without a window manager Wine waits two seconds for one whenever
    a shown window is destroyed, at the end of every case."""

    def __init__(self, display):
        self.env = dict(os.environ, DISPLAY=display.display)

    def __enter__(self):
        config = Path(__file__).resolve().parent.parent / "e2e_win32/openbox.xml"
        self.process = subprocess.Popen(["openbox", "--config-file", str(config)], env=self.env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(100):
            check = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                                   capture_output=True, text=True)
            if "window id" in check.stdout:
                return self
            time.sleep(0.1)
        self.__exit__()
        raise CannotRun("openbox did not start")

    def __exit__(self, *exc):
        self.process.terminate()
        self.process.wait()


def run_cases(options, display):
    """Every case, each in a Windows process of its own under one start of Wine."""
    env = dict(os.environ, DISPLAY=display.display)
    run = subprocess.run([str(options.wine_run), str(options.case), "all"], env=env,
                         capture_output=True, text=True, timeout=540)
    if run.returncode != 0:
        raise CannotRun(f"the cases ended with status {run.returncode}\n"
                        f"--- display: {display.display}\n--- the X server's log:\n"
                        f"{display.log()}--- the program's standard error:\n{run.stderr}")
    cases = []
    for line in run.stdout.splitlines():
        fields = line.rstrip("\r").split("\t")
        if fields[0] == "case":
            cases.append(Case(fields[1], int(fields[2]), "", []))
        elif fields[0] == "title" and cases:
            cases[-1].title = fields[1]
        elif fields[0] == "button" and cases:
            cases[-1].buttons.append(Button(fields[1], int(fields[2], 16), int(fields[3], 16),
                                            float(fields[4]), fields[5] == "yes",
                                            fields[6] == "yes"))
    wanted = [(start, method) for start in STARTS for method in range(1, 11)]
    if [(case.start, case.method) for case in cases] != wanted:
        raise CannotRun("the cases did not all report:\n" + run.stdout + run.stderr)
    return cases, run.stderr


def hex_colour(value):
    return f"#{value:06x}"


def channels(value):
    return (value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF


def is_white(value):
    return min(channels(value)) >= 255 - NEAR


def is_black(value):
    return max(channels(value)) <= NEAR


def face_words(button, standard_faces):
    if button.face == COLOR_BOTON:
        return "steel blue"
    if button.face in standard_faces:
        return "standard face"
    return "face " + hex_colour(button.face)


def text_words(button):
    if is_white(button.text):
        return "white text"
    if is_black(button.text):
        return "black text"
    return "text " + hex_colour(button.text)


def when_words(button):
    if button.unchanged:
        return "no change"
    return "shown at once" if button.shown_at_once else "shown after the handler"


def case_words(case, standard_faces):
    """One phrase when every button looks alike, else each phrase with how many look so."""
    looks = {}
    for button in case.buttons:
        key = (face_words(button, standard_faces), text_words(button), when_words(button),
               button.contrast >= READABLE)
        looks.setdefault(key, []).append(button.contrast)
    parts = []
    for (face, text, when, readable), contrasts in looks.items():
        low, high = min(contrasts), max(contrasts)
        ratio = f"{low:.2f}" + (f" to {high:.2f}" if high != low else "")
        words = f"{face}, {text}: {'readable' if readable else 'unreadable'} ({ratio}:1), {when}"
        parts.append(words if len(looks) == 1 else
                     f"{len(contrasts)} of {len(case.buttons)}: {words}")
    return "; ".join(parts)


def table(cases, platform):
    find = {(case.start, case.method): case for case in cases}
    standard_faces = {b.face for b in find[("standard", 10)].buttons}
    lines = [f"Read on {platform}.", "",
             "| Method | From skinned | From standard |", "|---|---|---|"]
    for method in range(1, 11):
        lines.append(f"| Prueba {method}: {DESCRIPTIONS[method - 1]} | "
                     f"{case_words(find[('skinned', method)], standard_faces)} | "
                     f"{case_words(find[('standard', method)], standard_faces)} |")
    return "\n".join(lines) + "\n"


def expectations(cases):
    """What the Win32 host must show; each broken rule is one line."""
    find = {(case.start, case.method): case for case in cases}
    standard_faces = {b.face for b in find[("standard", 10)].buttons}
    problems = []

    def each(start, method, rule, holds):
        case = find[(start, method)]
        for button in case.buttons:
            if not holds(button):
                problems.append(f"from {start}, method {method}, {button.name}: {rule} "
                                f"(face {hex_colour(button.face)}, text {hex_colour(button.text)})")

    for case in cases:
        expected = f"Prueba {case.method}: {DESCRIPTIONS[case.method - 1]}"
        if case.title != expected:
            problems.append(f"from {case.start}, method {case.method}: title '{case.title}'")
        if len(case.buttons) != 6:
            problems.append(f"from {case.start}, method {case.method}: "
                            f"{len(case.buttons)} Command1 buttons, not 6")
    steel_blue = ("steel blue with white text",
                  lambda b: b.face == COLOR_BOTON and is_white(b.text))
    standard_look = ("the platform's face and dark, readable text",
                     lambda b: b.face in standard_faces and not is_white(b.text)
                     and b.contrast >= READABLE)
    for method in range(1, 10):
        each("skinned", method, *steel_blue)
    for method in (1, 2, 3, 4, 7, 8, 9):
        each("standard", method, *steel_blue)
    each("skinned", 10, *standard_look)
    each("standard", 10, "unchanged by the reset", lambda b: b.unchanged)
    # A standard push button is drawn by the platform: neither colour shows.
    each("standard", 5, *standard_look)
    # Graphical with the standard colours: the host paints the system colours.
    each("standard", 6, "graphical in the system colours",
         lambda b: b.face in standard_faces and is_black(b.text))
    if not standard_faces or COLOR_BOTON in standard_faces:
        problems.append("method 10 from standard did not leave the standard face")
    return problems


def wine_version():
    for loader in ("wine64", "/usr/lib/wine/wine64", "wine"):
        try:
            run = subprocess.run([loader, "--version"], capture_output=True, text=True)
        except OSError:
            continue
        if run.returncode == 0:
            return run.stdout.strip()
    return "Wine"


def readme_section(readme_text):
    if BEGIN not in readme_text or END not in readme_text:
        return None
    return readme_text.split(BEGIN, 1)[1].split(END, 1)[0].strip("\n") + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--wine-run", required=True, type=Path)
    parser.add_argument("--case", required=True, type=Path)
    parser.add_argument("--out", required=True, type=Path)
    parser.add_argument("--readme", type=Path)
    parser.add_argument("--update-readme", action="store_true")
    options = parser.parse_args()
    platform = f"{wine_version()}, 64-bit build, in a virtual X server (Xvfb) with openbox"
    try:
        with tempfile.TemporaryDirectory() as scratch, VirtualDisplay(scratch) as display:
            with WindowManager(display):
                cases, errors = run_cases(options, display)
            where = (f"--- display: {display.display}\n--- the X server's log:\n{display.log()}"
                     f"--- the program's standard error:\n{errors}")
    except (CannotRun, subprocess.TimeoutExpired) as error:
        print(f"FAIL: {error}", file=sys.stderr)
        return 2
    text = table(cases, platform)
    options.out.parent.mkdir(parents=True, exist_ok=True)
    options.out.write_text("# What each method shows on Windows\n\n" + text)
    print(text)
    problems = expectations(cases)
    if options.readme:
        readme = options.readme.read_text()
        if options.update_readme and BEGIN in readme and END in readme:
            head, rest = readme.split(BEGIN, 1)
            options.readme.write_text(head + BEGIN + "\n" + text + END + rest.split(END, 1)[1])
        elif readme_section(readme) != text:
            problems.append(f"{options.readme} does not carry this table between its markers "
                            "(run with --update-readme after checking it)")
    for problem in problems:
        print(f"FAIL: {problem}", file=sys.stderr)
    if problems:
        print(where, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
