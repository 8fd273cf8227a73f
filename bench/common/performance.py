"""What the performance scripts of both hosts share: whole processes timed and started in turn, a
virtual X server of their own, the Markdown of docs/performance.md, and where in that file the
Windows section stands."""

import argparse
import os
import random
import statistics
import subprocess
import threading
import time
from pathlib import Path

# docs/performance.md holds the Qt figures and then, between these markers, the Windows ones:
# bench/win32/performance.py writes that section, and bench/qt/performance.py keeps it.
WINDOWS_BEGIN = "<!-- Windows benchmarks: written by bench/win32/performance.py -->"
WINDOWS_END = "<!-- end of the Windows benchmarks -->"
DOCUMENT = Path(__file__).resolve().parents[2] / "docs/performance.md"


def kept_windows_section(path):
    """The Windows section of the file at `path`, so that refreshing the Qt figures keeps it."""
    text = path.read_text() if path.exists() else ""
    return "\n" + WINDOWS_BEGIN + text.split(WINDOWS_BEGIN, 1)[1] if WINDOWS_BEGIN in text else ""


def write_windows_section(path, section):
    """Puts the Windows section in place of its previous version, or at the end of the file."""
    old = path.read_text() if path.exists() else "# Performance\n"
    if WINDOWS_BEGIN in old and WINDOWS_END in old:
        head, rest = old.split(WINDOWS_BEGIN, 1)
        new = head + section + rest.split(WINDOWS_END, 1)[1]
    else:
        new = old.rstrip("\n") + "\n\n" + section + "\n"
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_text(new)


def parse_options(description, host, more=lambda parser: None):
    """The options of both scripts (--build, --out, --quick) and those that `more` adds to the
    parser. Says, as `folder`, where the build keeps `host`'s benchmarks (BUILD_DIR/bench/HOST);
    --out is docs/performance.md unless given, or with --quick performance-quick.md there."""
    parser = argparse.ArgumentParser(description=description)
    parser.add_argument("--build", required=True, type=Path)
    parser.add_argument("--out", type=Path, help="default: docs/performance.md, or "
                        f"BUILD_DIR/bench/{host}/performance-quick.md with --quick")
    parser.add_argument("--quick", action="store_true")
    more(parser)
    options = parser.parse_args()
    options.build = options.build.resolve()
    options.folder = options.build / "bench" / host
    if options.out is None:
        options.out = options.folder / "performance-quick.md" if options.quick else DOCUMENT
    return options


def verdict(met):
    return "met" if met else "**not met**"


def table(header, rows):
    lines = ["| " + " | ".join(header) + " |", "|" + "---|" * len(header)]
    lines += ["| " + " | ".join(str(cell) for cell in row) + " |" for row in rows]
    return "\n".join(lines)


def start_rows(program, floor, target_time, target_memory):
    """The rows of time to the first painted frame and of peak memory: the program's (ms, KiB)
    medians against its floor's."""
    (program_ms, program_kib), (floor_ms, floor_kib) = program, floor
    time_ratio, memory_ratio = program_ms / floor_ms, program_kib / floor_kib
    return [
        ["Time to the first painted frame (ms)", f"{program_ms:.1f}", f"{floor_ms:.1f}",
         f"{time_ratio:.2f}", f"≤ {target_time:.2f}", verdict(time_ratio <= target_time)],
        ["Peak resident memory (MiB)", f"{program_kib / 1024:.1f}", f"{floor_kib / 1024:.1f}",
         f"{memory_ratio:.2f}", f"≤ {target_memory:.2f}", verdict(memory_ratio <= target_memory)],
    ]


def run_whole(args, env, errors, patience):
    """Runs a program as a whole process, its standard error into the open file `errors`, killed
    after `patience` seconds. Returns its wall time from exec to exit (ms), its peak resident
    memory (KiB) and its exit status."""
    start = time.perf_counter()
    process = subprocess.Popen(args, env=env, stdout=subprocess.DEVNULL, stderr=errors)
    watchdog = threading.Timer(patience, process.kill)
    watchdog.start()
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - start
    watchdog.cancel()
    return elapsed * 1e3, usage.ru_maxrss, os.waitstatus_to_exitcode(status)


def start_in_turn(names, runs, warm_up, start):
    """Starts each program `warm_up` + `runs` times through start(name), which returns its (ms,
    KiB), and returns {name: [(ms, KiB), ...]} without the warm-up. Start-up times cluster on the
    kernel's timer tick (4 ms apart here): a run that starts in step with it waits out whole
    ticks. Each run starts after a random pause, so the tick falls anywhere in it and the programs
    wait the same on average; and they are taken in turn, so that any drift of the machine falls
    on all of them."""
    samples = {name: [] for name in names}
    phase = random.Random(1)
    for turn in range(warm_up + runs):
        for name in names:
            time.sleep(phase.uniform(0, 0.012))
            sample = start(name)
            if turn >= warm_up:
                samples[name].append(sample)
    return samples


def median_samples(samples):
    """{name: (median ms, median KiB)} of start_in_turn()'s samples."""
    return {name: (statistics.median(v[0] for v in values),
                   statistics.median(v[1] for v in values))
            for name, values in samples.items()}


class VirtualDisplay:
    """An Xvfb server on a display number it picks itself, ended on leaving."""

    def __init__(self, scratch):
        self.scratch = scratch
        self.log = Path(scratch) / "xvfb.log"
        self.process = None
        self.display = None

    def __enter__(self):
        read_end, write_end = os.pipe()
        try:
            # -noreset: a server that resets when its last client leaves drops a program that
            # is connecting at that moment, as the next start-up may be.
            with open(self.log, "w") as log:
                self.process = subprocess.Popen(
                    ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                     "-nolisten", "tcp", "-noreset"], pass_fds=(write_end,),
                    stdout=log, stderr=subprocess.STDOUT)
        except FileNotFoundError:
            os.close(read_end)
            os.close(write_end)
            return self
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if number:
            self.display = f":{number}"
        return self

    def __exit__(self, *exc):
        if self.process:
            self.process.terminate()
            self.process.wait()
