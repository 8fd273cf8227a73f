"""Runs every benchmark of the program against its Qt floor and writes the table of results.

    python3 -m bench.qt.performance --build BUILD_DIR [--quick] [--out FILE]   (bench/qt/run.sh)

BUILD_DIR is a build with SKINBENCH_BENCHMARKS on. --quick runs each benchmark once, as a smoke
test of the whole chain; its figures mean nothing. The start-up programs run in a virtual X
server of their own, so that they are measured on a real window system.
"""

import json
import os
import platform
import re
import subprocess
import sys
import tempfile
from pathlib import Path

from bench.common.performance import (VirtualDisplay, kept_windows_section, median_samples,
                                      parse_options, run_whole, start_in_turn, start_rows, table,
                                      verdict)
from bench.qt import forms_run

SIZES = [13, 100, 1000, 10000]
ROUTINES = ["CargarSkin", "AplicarMetodo1"]
SCALE_VARIANTS = [
    ("qt", "Qt host"),
    ("qt+paint", "Qt host, with painting"),
    ("memory", "in-memory host"),
    ("qt-floor", "direct Qt (floor)"),
    ("qt-floor+paint", "direct Qt (floor), with painting"),
]
MEMBERS = ["BackColor", "Enabled", "Left"]
METHODS = range(1, 11)
START_PROGRAMS = ("skinbench_first_paint", "minimal_first_paint")

TARGET_ACCESS = 1.10
TARGET_GROWTH = 1.5
TARGET_SKIN_FLOOR = 1.25
TARGET_PRESS_US = 2000.0
TARGET_METHOD9 = 1.10
TARGET_START_TIME = 1.10
TARGET_START_MEMORY = 1.05


def run_benchmarks(binary, quick, scratch, out):
    args = [str(binary), f"--benchmark_out={out}", "--benchmark_out_format=json"]
    if quick:
        args += ["--benchmark_min_time=0.001", "--smoke"]
    else:
        args += ["--benchmark_min_time=0.2", "--benchmark_repetitions=5",
                 "--benchmark_report_aggregates_only=true"]
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=str(scratch))
    run = subprocess.run(args, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                         text=True)
    if run.returncode != 0:
        sys.stderr.write(run.stderr)
        raise RuntimeError(f"{binary.name} ended with status {run.returncode}")
    return read_report(out)


def read_report(path):
    report = json.loads(path.read_text())
    medians = {}
    for entry in report["benchmarks"]:
        if entry.get("run_type") == "aggregate" and entry.get("aggregate_name") != "median":
            continue
        # Runs counted out rather than timed carry their counts in the name.
        name = re.sub(r"/(iterations|repeats):\d+", "", entry.get("run_name", entry["name"]))
        medians[name] = to_microseconds(entry["real_time"], entry["time_unit"])
    return report["context"], medians


def to_microseconds(value, unit):
    return value * {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}[unit]


def run_once(path, env, log):
    """Wall time from exec to exit, and peak resident memory in KiB. A failure names the display
    and shows the X server's log and the program's standard error."""
    with open(log, "w") as errors:
        elapsed_ms, peak_kib, status = run_whole([str(path)], env, errors, patience=30)
    if status != 0:
        server = Path(log).with_name("xvfb.log")
        raise RuntimeError(
            f"{path.name} ended with status {status} on display "
            f"{env.get('DISPLAY', 'none')}\n--- its standard error:\n{Path(log).read_text()}"
            f"--- the X server's log:\n{server.read_text() if server.exists() else ''}")
    return elapsed_ms, peak_kib


def measure_start_up(bench_dir, quick, scratch):
    runs = 2 if quick else 100
    warm_up = 1 if quick else 5
    with VirtualDisplay(scratch) as x:
        env = dict(os.environ, XDG_RUNTIME_DIR=str(scratch))
        env.pop("QT_QPA_PLATFORM", None)
        if x.display:
            env["DISPLAY"] = x.display
            where = "a virtual X server (Xvfb)"
        else:
            env["QT_QPA_PLATFORM"] = "offscreen"
            where = "Qt's offscreen platform (no X server could be started)"
        samples = start_in_turn(START_PROGRAMS, runs, warm_up, lambda name: run_once(
            bench_dir / name, env, Path(scratch) / "program.log"))
    return where, runs, median_samples(samples)


def machine(context):
    model = "unknown processor"
    for line in Path("/proc/cpuinfo").read_text().splitlines():
        if line.startswith("model name"):
            model = line.split(":", 1)[1].strip()
            break
    memory = "?"
    for line in Path("/proc/meminfo").read_text().splitlines():
        if line.startswith("MemTotal"):
            memory = f"{int(line.split()[1]) / 1024 / 1024:.0f} GiB"
    system = platform.platform()
    release = Path("/etc/os-release")
    if release.exists():
        for line in release.read_text().splitlines():
            if line.startswith("PRETTY_NAME="):
                system = line.split("=", 1)[1].strip('"') + ", Linux " + platform.release()
    return [
        ("Processor", f"{model}, {os.cpu_count()} cores"),
        ("Memory", memory),
        ("System", system),
        ("Qt", f"{context.get('qt_version', '?')} ({context.get('qt_style', '?')} style, "
               f"{context.get('qt_platform', '?')} platform for the in-process benchmarks)"),
        ("Compiler", context.get("compiler", "?")),
        ("Build", context.get("build_type", "?")),
        ("Date", context.get("date", "?")),
    ]


def access_section(medians):
    rows = []
    for member in MEMBERS:
        host = medians[f"access/{member}/host"] * 1e3
        direct = medians[f"access/{member}/qt"] * 1e3
        ratio = host / direct
        rows.append([f'"{member}"', f"{host:.1f}", f"{direct:.1f}", f"{ratio:.2f}",
                     f"≤ {TARGET_ACCESS:.2f}", verdict(ratio <= TARGET_ACCESS)])
    return ("## By-name access\n\nOne property of a command button set through the host by name, "
            "against the same change made by the widget's own typed call (ns per change, "
            "median).\n\n" + table(["Property", "Host (ns)", "Direct Qt (ns)", "Ratio",
                                    "Target", ""], rows))


def scale_section(medians):
    rows = []
    for routine in ROUTINES:
        for variant, label in SCALE_VARIANTS:
            per_control = [medians[f"scale/{routine}/{variant}/{n}"] / n for n in SIZES]
            growth = per_control[SIZES.index(10000)] / per_control[SIZES.index(100)]
            is_floor = variant.startswith("qt-floor")
            rows.append([f"`{routine}`", label] + [f"{v:.3f}" for v in per_control] +
                        [f"{growth:.2f}", "(reference)" if is_floor else f"≤ {TARGET_GROWTH}",
                         "" if is_floor else verdict(growth <= TARGET_GROWTH)])
    header = ["Routine", "Where"] + [f"{n:,} (µs/control)" for n in SIZES] + [
        "10,000 vs 100", "Target", ""]
    return ("## Scale\n\nThe routine on generated forms in Form1's mix of control types; time "
            "per control (median). With painting, the events that follow are processed until "
            "none is pending. The direct-Qt rows make the same changes by typed calls on the "
            "same widgets: the floor that Qt itself sets.\n\n" + table(header, rows) +
            "\n\n" + skin_floor_table(medians))


def skin_floor_table(medians):
    """`CargarSkin` on the Qt host against the direct-Qt floor, size by size."""
    ratios = [medians[f"scale/CargarSkin/qt/{n}"] / medians[f"scale/CargarSkin/qt-floor/{n}"]
              for n in SIZES]
    row = ["`CargarSkin`, Qt host against the direct-Qt floor"] + [f"{r:.2f}" for r in ratios] + [
        f"≤ {TARGET_SKIN_FLOOR:.2f}", verdict(max(ratios) <= TARGET_SKIN_FLOOR)]
    return table([""] + [f"{n:,}" for n in SIZES] + ["Target", ""], [row])


def press_section(medians):
    rows = []
    for method in METHODS:
        value = medians[f"press/{method}"]
        if method == 9:
            floor = medians["press/9/qt-floor"]
            ratio = value / floor
            rows.append([method, f"{value:.0f}", f"{ratio:.2f} × the direct-Qt loop "
                         f"({floor:.0f} µs)", f"≤ {TARGET_METHOD9:.2f} ×",
                         verdict(ratio <= TARGET_METHOD9)])
        else:
            rows.append([method, f"{value:.0f}", "", f"< {TARGET_PRESS_US:.0f} µs",
                         verdict(value < TARGET_PRESS_US)])
    return ('## A press of "PROBAR"\n\nOne press running each method on Form1, on the Qt host '
            "offscreen, including the painting that follows (events processed until none is "
            "pending); median. For method 9 the floor is a direct-Qt loop that makes the same 24 "
            "changes, each followed by processing the pending events once.\n\n" +
            table(["Method", "Press (µs)", "Against the floor", "Target", ""], rows))


def start_section(where, runs, start):
    rows = start_rows(start["skinbench_first_paint"], start["minimal_first_paint"],
                      TARGET_START_TIME, TARGET_START_MEMORY)
    return ("## Start-up and memory\n\nWhole processes, from exec to exit right after the first "
            "painted frame of the window, in " + where + f"; median of {runs} runs of each, taken "
            "in turn, each after a random pause of up to 12 ms so that the timer tick falls "
            "anywhere in it. The program is its own code in a bench-only entry; the minimal program "
            "shows the same thirteen widgets, plain, in a window of the same size.\n\n" +
            table(["", "Program", "Minimal Qt", "Ratio", "Target", ""], rows))


def main():
    options = parse_options(__doc__.splitlines()[0], "qt", lambda parser: parser.add_argument(
        "--reuse", action="store_true", help="take the in-process figures from the last run's "
        "BUILD_DIR/bench/qt/benchmarks.json instead of running again"))
    bench_dir = options.folder

    with tempfile.TemporaryDirectory() as scratch_name:
        scratch = Path(scratch_name)
        os.chmod(scratch, 0o700)
        report = bench_dir / ("benchmarks-quick.json" if options.quick else "benchmarks.json")
        if options.reuse:
            context, medians = read_report(report)
        else:
            context, medians = run_benchmarks(bench_dir / "skinbench_bench", options.quick,
                                              scratch, report)
        where, runs, start = measure_start_up(bench_dir, options.quick, scratch)
        forms_seconds, forms_runs = forms_run.measure(options.build, options.quick, scratch)

    notes = Path(__file__).resolve().parent / "notes.md"
    parts = [
        "# Performance\n\nWritten by `bench/qt/run.sh`"
        + (" in quick mode: these figures are a smoke test and mean nothing." if options.quick
           else ", which builds the benchmarks and runs them all; run it again to refresh.")
        + " Each figure is set beside the floor that Qt itself sets for the same work.",
        "## Machine\n\n" + table(["", ""], machine(context)),
        access_section(medians),
        scale_section(medians),
        press_section(medians),
        start_section(where, runs, start),
        forms_run.section(forms_seconds, forms_runs, verdict),
        notes.read_text().strip(),
    ]
    options.out.parent.mkdir(parents=True, exist_ok=True)
    windows = kept_windows_section(options.out)
    options.out.write_text("\n\n".join(parts) + "\n" + windows)
    print(f"wrote {options.out}")


if __name__ == "__main__":
    sys.exit(main())
