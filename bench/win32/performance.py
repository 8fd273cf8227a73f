"""Runs the Windows benchmarks under Wine and writes their section of docs/performance.md.

    python3 -m bench.win32.performance --build BUILD_DIR [--quick] [--runs N] [--out FILE]
    python3 -m bench.win32.performance --build BUILD_DIR --requests
    (bench/win32/run.sh)

BUILD_DIR is the 64-bit Windows build (build-windows-x64/). Start-up: skinbench.exe's code in a
bench-only entry and the bare Win32 program, which carries the program's manifest and so the same
per-monitor DPI awareness, each ending right after its first painted frame, run as whole
processes under 64-bit Wine in a virtual X server with openbox, at least 40 starts of each taken
in turn; and once more each with Wine's server tracing, to count the requests each start makes
of it. Memory:
the peak resident memory of each of those processes. A press of "PROBAR": timed inside the
process, on the Win32 host, against the floor of the Win32 work it needs. skinbench-tour.exe
--form on a program of twenty dialogs, both styles: the whole run, against its target. --quick
runs a few of each as a smoke test; its figures mean nothing, and it writes to the build folder unless --out
says otherwise. --requests only counts the requests of one start of each, by kind, and prints
them beside each other; it writes nothing, and takes seconds where the whole run takes minutes.
"""

import os
import re
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

from bench.common.performance import (WINDOWS_BEGIN, WINDOWS_END, VirtualDisplay, median_samples,
                                      parse_options, run_whole, start_in_turn, start_rows, table,
                                      verdict, write_windows_section)

START_PROGRAMS = ("skinbench_first_paint.exe", "bare_first_paint.exe")
PRESS_PROGRAM = "press_bench.exe"
TOUR_PROGRAM = "tour/win32/skinbench-tour.exe"  # in the build folder
FORMS_FILE = "twenty_dialogs.dll"  # twenty dialogs of fifteen controls each
FORMS_COUNT = 20
TARGET_FORMS_SECONDS = 30
TARGET_START_TIME = 1.05
TARGET_START_MEMORY = 1.05
TARGET_START_REQUESTS = 1.05
LEAST_START_RUNS = 40  # starts of each program, for a median that the noise of a start moves little
TARGET_PRESS_RATIO = 1.10  # to the floor of the Win32 work the method needs, where one is measured
WINDOWS_PRESS_MS = 2  # the target on Windows itself, where a window operation is no round trip


class Failure(Exception):
    """A measurement that cannot be made: reported on one line, and nothing is written."""


class WindowManager:
    """openbox on the display, as on a desktop: without a window manager Wine waits two seconds
    for one whenever a window that was shown is destroyed, which would swamp a start-up."""

    CONFIG = Path(__file__).resolve().parents[2] / "tests/support/openbox.xml"

    def __init__(self, display):
        self.env = dict(os.environ, DISPLAY=display)

    def __enter__(self):
        try:
            self.process = subprocess.Popen(["openbox", "--config-file", str(self.CONFIG)],
                                            env=self.env, stdout=subprocess.DEVNULL,
                                            stderr=subprocess.DEVNULL)
        except FileNotFoundError:
            raise Failure("openbox is missing (scripts/deps.sh windows)") from None
        for _ in range(100):
            check = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                                   capture_output=True, text=True)
            if "window id" in check.stdout:
                return self
            time.sleep(0.1)
        self.__exit__()
        raise Failure("openbox did not start")

    def __exit__(self, *exc):
        self.process.terminate()
        self.process.wait()


def wine_loader():
    for candidate in (shutil.which("wine64"), "/usr/lib/wine/wine64", shutil.which("wine")):
        if candidate and os.access(candidate, os.X_OK):
            return candidate
    raise Failure("64-bit Wine is missing (scripts/deps.sh windows)")


class WinePrefix:
    """A Wine prefix of the benchmarks' own, with a server that stays up for the whole run, so
    that no run pays for starting it; the server and whatever is left in the prefix end with it."""

    def __init__(self, path, display):
        self.path = path
        self.env = dict(os.environ, WINEPREFIX=str(path), WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=", DISPLAY=display)
        self.loader = wine_loader()
        self.server = shutil.which("wineserver") or "/usr/lib/wine/wineserver64"

    def __enter__(self):
        ready = self.path / ".skinbench-ready"
        if not ready.exists():
            shutil.rmtree(self.path, ignore_errors=True)
            boot = subprocess.run([self.loader, "wineboot", "-i"], env=self.env,
                                  capture_output=True, text=True)
            if boot.returncode != 0:
                raise Failure(f"could not make the Wine prefix {self.path}: {boot.stderr.strip()}")
            subprocess.run([self.server, "-w"], env=self.env, check=False)
            ready.touch()
        subprocess.run([self.server, "-p"], env=self.env, check=True)
        return self

    def __exit__(self, *exc):
        subprocess.run([self.server, "-k"], env=self.env, check=False)
        subprocess.run([self.server, "-w"], env=self.env, check=False)

    def version(self):
        run = subprocess.run([self.loader, "--version"], capture_output=True, text=True)
        return run.stdout.strip() or "?"


def run_once(prefix, program, errors_file):
    """Wall time from exec to exit (ms) and peak resident memory (KiB) of one whole process.
    Its standard error goes to a file: Wine's helper processes, started by the first run, keep
    whatever they inherit open long after the run has ended."""
    with open(errors_file, "w+") as errors:
        elapsed_ms, peak_kib, code = run_whole([prefix.loader, str(program)], prefix.env, errors,
                                               patience=60)
        errors.seek(0)
        said = errors.read().strip()
    if code != 0:
        raise Failure(f"{program.name} ended with status {code}" + (f": {said}" if said else ""))
    return elapsed_ms, peak_kib


def dpi_awareness(program):
    """The DPI awareness that the manifest built into the program declares: each dpiAware and
    dpiAwareness setting with its text; none where it declares none."""
    found = re.findall(rb"<(dpiAware(?:ness)?)\b[^>]*>([^<]*)<", program.read_bytes())
    return [f"{name.decode()} {text.decode()}" for name, text in found]


def check_floor_is_fair(folder):
    """The floor declares the program's DPI awareness: a program that is per-monitor aware asks
    more of the system for each window it makes, places or paints."""
    program, floor = (dpi_awareness(folder / name) for name in START_PROGRAMS)
    if not program or floor != program:
        raise Failure(f"{START_PROGRAMS[1]} does not declare the DPI awareness of "
                      f"{START_PROGRAMS[0]}: {'; '.join(floor) or 'none'} against "
                      f"{'; '.join(program) or 'none'}")


def measure_start_up(prefix, folder, runs, warm_up, scratch):
    """Medians {program: (ms, KiB)}, the program's time over the bare program's in each turn, and
    the machine's one-minute load average as the starts began and as they ended."""
    load_before = os.getloadavg()[0]
    samples = start_in_turn(START_PROGRAMS, runs, warm_up,
                            lambda name: run_once(prefix, folder / name, scratch / "errors.txt"))
    program, bare = (samples[name] for name in START_PROGRAMS)
    turn_ratios = [p[0] / b[0] for p, b in zip(program, bare)]
    return median_samples(samples), turn_ratios, (load_before, os.getloadavg()[0])


def count_requests(prefix, folder, scratch):
    """Requests that one start of each program makes of Wine's server from its main thread, as
    the server traces them: unlike times, the same from run to run but for a few waits. Returns
    {program: {request: count}}. The server is started again with its tracing on for this, and
    ended after."""
    subprocess.run([prefix.server, "-k"], env=prefix.env, check=False)
    subprocess.run([prefix.server, "-w"], env=prefix.env, check=False)
    counts = {}
    traced = scratch / "server.txt"
    # The server appends to the trace through an opening of its own, and it is read through
    # another: sharing one, each read would move the place the server writes at back over lines
    # already written, which then lose a start's first requests, now and then all of them.
    with open(traced, "ab") as written, open(traced) as trace:
        server = subprocess.Popen([prefix.server, "-f", "-p", "-d1"], env=prefix.env,
                                  stdout=subprocess.DEVNULL, stderr=written)
        try:
            for name in START_PROGRAMS:
                run_once(prefix, folder / name, scratch / "errors.txt")  # the desktop's first start
                trace.seek(0, os.SEEK_END)
                start = trace.tell()
                process = subprocess.Popen([prefix.loader, str(folder / name)], env=prefix.env,
                                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                os.wait4(process.pid, 0)
                counts[name] = requests_of(process.pid, traced_to_the_end(trace, start, process.pid))
        finally:
            subprocess.run([prefix.server, "-k"], env=prefix.env, check=False)
            server.wait()
            subprocess.run([prefix.server, "-w"], env=prefix.env, check=False)
    # Kept up again for what follows; a Wine process still ending may have started one already,
    # which this then finds running (status 2).
    subprocess.run([prefix.server, "-p"], env=prefix.env, check=False)
    return counts


def traced_to_the_end(trace, start, unix_pid, patience=60):
    """The server's trace from `start` on, once it holds the end of the main thread of the process
    whose Unix process id is unix_pid: the server writes its lines after the process has gone, and
    later still on a busy machine, so a fixed wait would sometimes read the trace too early."""
    deadline = time.monotonic() + patience
    while True:
        trace.seek(start)
        text = trace.read()
        first = re.search(rf"^(\w+): init_first_thread\( unix_pid={unix_pid},", text, re.MULTILINE)
        if first and re.search(rf"^{first[1]}: \*killed\*", text[first.end():], re.MULTILINE):
            return text
        if time.monotonic() > deadline:
            return text  # requests_of says what is missing
        time.sleep(0.1)


def requests_of(unix_pid, trace):
    """The requests of the main thread of the process whose Unix process id is unix_pid, by name."""
    first = re.search(rf"^(\w+): init_first_thread\( unix_pid={unix_pid},", trace, re.MULTILINE)
    if not first:
        raise Failure(f"Wine's server traced no process {unix_pid}")
    thread = first[1]
    # A request is "THREAD: name( arguments )"; its reply is "THREAD: name() = STATUS ...".
    names = re.findall(rf"^{thread}: (\w+)\( (?!\) =)", trace, re.MULTILINE)
    counted = {}
    for name in names:
        counted[name] = counted.get(name, 0) + 1
    return counted


def requests_by_kind(requests):
    """The two counts side by side, by request, those that differ most first, and their totals."""
    program, bare = (requests[name] for name in START_PROGRAMS)
    kinds = sorted(set(program) | set(bare),
                   key=lambda n: (-abs(program.get(n, 0) - bare.get(n, 0)), n))
    rows = [[n, program.get(n, 0), bare.get(n, 0), f"{program.get(n, 0) - bare.get(n, 0):+d}"]
            for n in kinds]
    rows.append(["(all)", sum(program.values()), sum(bare.values()),
                 f"{sum(program.values()) - sum(bare.values()):+d}"])
    return table(["Request", "Program", "Bare Win32", "More"], rows)


def measure_presses(prefix, folder, repeats, scratch):
    """The press benchmark prints "press N WHOLE HANDLER" per method and "floor WHOLE HANDLER":
    medians in microseconds. Returns {method or "floor": (whole, handler)}."""
    with open(scratch / "presses.txt", "w+") as output, open(scratch / "errors.txt", "w+") as errors:
        code = subprocess.run([prefix.loader, str(folder / PRESS_PROGRAM), str(repeats)],
                              env=prefix.env, stdout=output, stderr=errors, timeout=600).returncode
        output.seek(0)
        errors.seek(0)
        printed, said = output.read(), errors.read().strip()
    if code != 0:
        raise Failure(f"{PRESS_PROGRAM} ended with status {code}: {said}")
    presses = {int(m[1]): (float(m[2]), float(m[3])) for m in re.finditer(
        r"^press (\d+) ([\d.]+) ([\d.]+)\s*$", printed, re.MULTILINE)}
    floor = re.search(r"^floor ([\d.]+) ([\d.]+)\s*$", printed, re.MULTILINE)
    if floor:
        presses["floor"] = (float(floor[1]), float(floor[2]))
    if sorted(k for k in presses if k != "floor") != list(range(1, 11)) or not floor:
        raise Failure(f"{PRESS_PROGRAM} did not report all ten methods: {printed.strip()}")
    return presses


def windows_path(path):
    """A path of this machine as a program under Wine names it: the root is drive Z:."""
    return "Z:" + str(path).replace("/", "\\")


def measure_forms(prefix, build, folder, scratch):
    """The Windows tour's --form on the program of twenty dialogs, both styles: the whole run, from
    exec to exit, in seconds, the tour's own worker process included."""
    out = scratch / "forms"
    with open(scratch / "forms.txt", "w+") as output, open(scratch / "errors.txt", "w+") as errors:
        start = time.perf_counter()
        code = subprocess.run([prefix.loader, str(build / TOUR_PROGRAM), "--form",
                               windows_path(folder / FORMS_FILE), "--out", windows_path(out)],
                              env=prefix.env, stdout=output, stderr=errors, timeout=600).returncode
        elapsed = time.perf_counter() - start
        output.seek(0)
        errors.seek(0)
        lines, said = output.read().splitlines(), errors.read().strip()
    skinned = [line for line in lines
               if re.match(r"\S+#\d+ in (classic|themed): \d+ controls", line)]
    if code != 0 or len(skinned) != 2 * FORMS_COUNT:
        raise Failure(f"skinbench-tour.exe --form {FORMS_FILE} ended with status {code}, "
                      f"{len(skinned)} forms skinned: {said}")
    return elapsed


def compiler_version():
    for name in ("x86_64-w64-mingw32-g++-posix", "x86_64-w64-mingw32-g++"):
        if shutil.which(name):
            line = subprocess.run([name, "--version"], capture_output=True,
                                  text=True).stdout.splitlines()
            return line[0] if line else name
    return "?"


def build_type(build):
    cache = build / "CMakeCache.txt"
    if cache.exists():
        match = re.search(r"^CMAKE_BUILD_TYPE:\w+=(.*)$", cache.read_text(), re.MULTILINE)
        if match:
            return match[1] or "(none)"
    return "?"


def forms_text(seconds):
    """The part on the Windows tour's --form."""
    return "\n\n".join([
        "### A program's dialogs (`skinbench-tour.exe --form`)\n\nThe Windows tour on a program "
        f"of {FORMS_COUNT} dialogs of fifteen controls each (`bench/win32/twenty_dialogs.rc`), "
        "classic and themed: each dialog made by the dialog manager, shown, read back, skinned "
        "and read back again, in a worker process of the tour's own; the whole run as one "
        "process, from exec to exit, the files written.",
        table(["", "Seconds", "Target", ""],
              [[f"{FORMS_COUNT} dialogs, both styles", f"{seconds:.1f}",
                f"< {TARGET_FORMS_SECONDS}", verdict(seconds < TARGET_FORMS_SECONDS)]]),
    ])


def section(build, wine, runs, start, presses, requests, forms, quick):
    start, turn_ratios, load = start
    program_requests = sum(requests["skinbench_first_paint.exe"].values())
    bare_requests = sum(requests["bare_first_paint.exe"].values())
    requests_ratio = program_requests / bare_requests
    rows = start_rows(start["skinbench_first_paint.exe"], start["bare_first_paint.exe"],
                      TARGET_START_TIME, TARGET_START_MEMORY) + [
        ["Requests to Wine's server, main thread", program_requests, bare_requests,
         f"{requests_ratio:.2f}", f"≤ {TARGET_START_REQUESTS:.2f}",
         verdict(requests_ratio <= TARGET_START_REQUESTS)],
    ]
    quartiles = statistics.quantiles(turn_ratios, n=4) if len(turn_ratios) > 1 else turn_ratios * 3
    press_rows = [press_row(method, presses) for method in range(1, 11)]
    press_rows.append(["floor of method 1", f"{presses['floor'][0]:.0f}",
                       f"{presses['floor'][1]:.0f}", "", "(reference)", ""])
    setting = [
        ("Wine", f"{wine}, 64-bit, in a virtual X server (Xvfb) with openbox"),
        ("Compiler", compiler_version()),
        ("Build", f"windows-x64, {build_type(build)}"),
        ("Date", time.strftime("%Y-%m-%dT%H:%M:%S+00:00", time.gmtime())),
    ]
    quick_note = " Quick mode: a smoke test, these figures mean nothing." if quick else ""
    return "\n\n".join([
        WINDOWS_BEGIN + "\n## Windows (under Wine)\n\nWritten by `bench/win32/run.sh` on the "
        "machine above; run it again to refresh." + quick_note,
        table(["", ""], setting),
        "### Start-up and memory\n\nWhole processes under Wine, from exec to exit right at "
        f"the first painted frame of the window; median of {runs} runs of each, taken in turn, "
        "each after a random pause of up to 12 ms. The program is its own code in a bench-only "
        "entry; the bare program, the floor, is plain Win32 code that shows the same thirteen "
        "standard controls in a window of the same size, and carries the program's manifest, so "
        "that it declares the same per-monitor DPI awareness (a program that declares none is "
        "drawn blurred at a high DPI, and asks less of the system for each window). Memory is "
        "each process's peak resident size, Wine's own libraries included. The requests are "
        "those of one more start of each, counted from the trace of Wine's server. Each ratio "
        "is the program's figure over the floor's: the time's, of the two medians; the "
        "requests', of the two counts.",
        table(["", "Program", "Bare Win32", "Ratio", "Target", ""], rows),
        f"How noisy: the program's time over the bare program's, turn by turn, has its middle "
        f"half between {quartiles[0]:.2f} and {quartiles[2]:.2f} (median {quartiles[1]:.2f}). "
        f"The machine's load (its one-minute average) was {load[0]:.1f} as the starts began and "
        f"{load[1]:.1f} as they ended, on {os.cpu_count()} cores; the starts themselves keep "
        "about one busy, and anything above that is other work running beside them.",
        '### A press of "PROBAR"\n\nOne press running each method on Form1 on the Win32 host, '
        "through the button's click, including the painting that follows (messages processed "
        "until none is pending), and the click handler alone; medians, timed inside the "
        "process. The floor is the least Win32 work that method 1 needs, made directly: the "
        "click of a graphical button that no handler answers (it shows pressed, then "
        "released), a repaint scheduled for each of the 24 changes, the caption set, and the "
        f"six buttons painted, timed in turn with method 1's presses. Under Wine a press is held to {TARGET_PRESS_RATIO:.2f} × the floor of the "
        "Win32 work it needs, where such a floor is measured (method 1). On Windows itself the "
        f"target is a press within {WINDOWS_PRESS_MS} ms; that is not measured here, where each "
        "window operation is a round trip to Wine's server.",
        table(["Method", "Press (µs)", "Click handler (µs)", "Ratio to its floor", "Target", ""],
              press_rows),
        forms_text(forms),
        findings(start, presses, requests) + "\n" + WINDOWS_END,
    ])


def press_row(method, presses):
    whole, handler = presses[method]
    if method != 1:
        return [method, f"{whole:.0f}", f"{handler:.0f}", "", "(no floor measured)", ""]
    ratio = whole / presses["floor"][0]
    return [method, f"{whole:.0f}", f"{handler:.0f}", f"{ratio:.2f}",
            f"≤ {TARGET_PRESS_RATIO:.2f}", verdict(ratio <= TARGET_PRESS_RATIO)]


# What makes the program's start ask more of Wine's server than the bare program's: the requests
# each cost shows up as, and the cost in words.
START_COSTS = [
    (("get_process_winstation", "set_user_object_info", "enum_key"),
     "the dots per inch that Wine works out, checking its list of monitors (three requests each "
     "time): ten checks come with the form's fixed frame, which a user cannot resize, where the "
     "bare program's window can be resized (a trial build with a resizable frame made ten "
     "fewer), and six with loading the program's icon in its two sizes for the form's window "
     "class"),
    (("set_window_info",),
     "the skin's settings on windows made already: the graphical style of the seven command "
     "buttons and the flat frames of the two text boxes (their style and extended style), and "
     "the form's own window setting, which leads its window procedure to the form"),
    (("get_update_region", "get_visible_region", "redraw_window", "get_window_tree",
      "update_window_zorder", "get_message"),
     "painting: the form leaves its controls out of its own painting (WS_CLIPCHILDREN), so that "
     "its background is never drawn over them, which asks for the regions around them (28 "
     "requests in a trial build without it); the program paints its window whole as it is shown "
     "(UpdateWindow), where the bare program takes each window's paint as a message of its own, "
     "which accounts for the fewer get_message; the text boxes repaint after the skin's frames"),
]


def findings(start, presses, requests):
    """What the figures say, worked out from them, so that it stays true when they change."""
    floor_whole, floor_handler = presses["floor"]
    method1 = presses[1][0] / floor_whole
    lines = ["### What the Windows figures show", ""]
    lines.append(
        f"- **A press.** Under Wine each window operation is a request to Wine's server and, for "
        f"what shows, to the X server. The floor alone, with no by-name access and no method, "
        f"takes {floor_whole / 1000:.1f} ms here ({floor_handler / 1000:.1f} ms before the "
        f"painting); method 1 takes {method1:.2f} × the floor "
        f"({'within' if method1 <= TARGET_PRESS_RATIO else 'over'} {TARGET_PRESS_RATIO:.2f}). "
        "The control refresh (2), the form refresh (3) and the yields (9) paint inside the "
        "click handler, so their handler time is nearly the whole press; method 9 yields 24 "
        "times.")
    program_ms, bare_ms = start["skinbench_first_paint.exe"][0], start["bare_first_paint.exe"][0]
    program, bare = requests["skinbench_first_paint.exe"], requests["bare_first_paint.exe"]
    extra = sum(program.values()) - sum(bare.values())
    lines.append(
        f"- **Start-up.** Most of both start-ups is Wine's own: the bare program needs "
        f"{bare_ms:.0f} ms and the program {program_ms:.0f} ms. The program's main thread makes "
        f"{extra} requests of Wine's server more than the bare program's; what they are for:")
    named = set()
    for names, cost in START_COSTS:
        more = sum(program.get(n, 0) - bare.get(n, 0) for n in names)
        named.update(names)
        lines.append(f"  - {more:+d} requests ({', '.join(names)}): {cost}.")
    rest = sum(program.get(n, 0) - bare.get(n, 0) for n in (set(program) | set(bare)) - named)
    lines.append(f"  - {rest:+d} requests of other kinds, one or two each.")
    lines.append(
        "  - Besides requests: the program's icon, converted by Wine for the X window manager "
        "once, as the form's window is made with its class's icon (given to the window "
        "afterwards, each of its two images had Wine convert it again); Form1's load event with "
        "the skin, by name through the host's member tables (in the process, no request); the "
        "larger executable with its C++ runtime linked in.")
    lines.append(
        "  - Not asked any more: a caption set on each control after its window was made (each "
        "is now made with its caption), a window setting per control for the form to find it by "
        "(the host finds it through what it keeps in the process), the group of the second "
        "option button set afterwards, the icon given to the window after it was made, and a "
        "repaint of the form scheduled before it is first shown. Together these took the "
        "program's start from 2449 requests to about 2375.")
    lines.append(
        "- **Noise.** On this machine's two cores, shared with other work, start-ups vary by "
        "tens of milliseconds from run to run, which is why both programs are started in turn "
        "and the medians compared; the request counts vary only by a few waits for a message "
        "(select, set_queue_mask), by up to four.")
    return "\n".join(lines)


def main():
    def more_options(parser):
        parser.add_argument("--runs", type=int, default=LEAST_START_RUNS,
                            help=f"start-ups of each program, at least {LEAST_START_RUNS}")
        parser.add_argument("--requests", action="store_true",
                            help="only count the requests of one start of each, and print them")

    options = parse_options(__doc__.splitlines()[0], "win32", more_options)
    # Ended from outside, it still ends what it started: the X server, openbox and Wine's server.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    folder = options.folder
    runs, warm_up, repeats = ((2, 1, 3) if options.quick else
                              (max(options.runs, LEAST_START_RUNS), 3, 201))
    try:
        needed = [folder / name for name in START_PROGRAMS]
        if not options.requests:
            needed += [folder / PRESS_PROGRAM, folder / FORMS_FILE, options.build / TOUR_PROGRAM]
        for path in needed:
            if not path.exists():
                raise Failure(f"{path} is not built")
        check_floor_is_fair(folder)
        with tempfile.TemporaryDirectory() as scratch, VirtualDisplay(Path(scratch)) as x:
            if not x.display:
                raise Failure("no virtual X server could be started (Xvfb)")
            with WindowManager(x.display), WinePrefix(folder / "wine-prefix", x.display) as prefix:
                if options.requests:
                    print(requests_by_kind(count_requests(prefix, folder, Path(scratch))))
                    return 0
                start = measure_start_up(prefix, folder, runs, warm_up, Path(scratch))
                requests = count_requests(prefix, folder, Path(scratch))
                presses = measure_presses(prefix, folder, repeats, Path(scratch))
                forms = measure_forms(prefix, options.build, folder, Path(scratch))
                wine = prefix.version()
    except (Failure, subprocess.SubprocessError, OSError) as error:
        print(f"bench/win32/performance.py: {error}", file=sys.stderr)
        return 1
    write_windows_section(options.out,
                          section(options.build, wine, runs, start, presses, requests, forms,
                                  options.quick))
    print(f"wrote {options.out}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
