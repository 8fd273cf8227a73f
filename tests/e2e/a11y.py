"""A screen reader's view of the running program, through AT-SPI.

Run inside a private D-Bus session and a virtual X server (see a11y.sh). Starts the AT-SPI bus,
listens for name changes, starts the program with Qt's accessibility on, reads the window and
its controls, presses PROBAR through its accessible action and waits for the window's
name-change event with the new caption. Every wait is bounded.

Usage: a11y.py PROGRAM AT_SPI_BUS_LAUNCHER SEND_CLOSE LOG
"""
import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

PROGRAM, LAUNCHER, SEND_CLOSE, LOG = sys.argv[1:5]
FIRST_CAPTION = "Prueba 1: Style+Appearance+Color (igual a CargarSkin)"

# The controls in tab order: the accessible name, then the description (name and index).
TAB_ORDER = [
    ("Aceptar", "Command1(0)"), ("Guardar", "Command1(22)"), ("cancelar", "Command1(4)"),
    ("consultar", "Command1(1)"), ("buscar", "Command1(2)"), ("Ejecutar", "Command1(3)"),
    ("Text1(0)", "Text1(0)"), ("Text1(1)", "Text1(1)"), ("Option1", "Option1(0)"),
    ("Option1", "Option1(1)"), ("Check1", "Check1(0)"), ("Check1", "Check1(1)"),
    ("PROBAR", "cmdProbar"),
]


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def pump_until(condition, seconds, what):
    """Runs the GLib main loop (which delivers AT-SPI events) until condition() holds."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        while context.pending():
            context.iteration(False)
        time.sleep(0.05)
    fail(f"{what}: nothing after {seconds} s")


def session_name_owned(name):
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                          "org.freedesktop.DBus", "NameHasOwner", GLib.Variant("(s)", (name,)),
                          GLib.VariantType("(b)"), Gio.DBusCallFlags.NONE, 5000, None)
    return reply.unpack()[0]


def start_bus():
    launcher = subprocess.Popen([LAUNCHER, "--launch-immediately"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    pump_until(lambda: session_name_owned("org.a11y.Bus"), 20, "the AT-SPI bus")
    return launcher


def find_window(pyatspi):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None or app.name != "skinbench":
            continue
        for window in app:
            if window is not None and window.childCount == len(TAB_ORDER):
                return window
    return None


def check_tree(pyatspi, window):
    if window.getRole() not in (pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW):
        fail(f"the window's role is {window.getRoleName()}, not frame or window")
    if window.name != "Form1":
        fail(f"the window is named '{window.name}', not 'Form1'")
    seen = [(child.name, child.description) for child in window]
    if any(not name for name, _ in seen):
        fail("a control has no accessible name")
    if len(set(seen)) != len(seen):
        fail("two controls share the same name and description")
    if seen != TAB_ORDER:
        fail(f"the controls are not listed in tab order: {seen}")
    print(f"window: role {window.getRoleName()}, name '{window.name}', "
          f"{len(seen)} controls in tab order")


def press_probar(window):
    probar = window[len(TAB_ORDER) - 1]
    action = probar.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail(f"PROBAR offers the actions {names}, not Press")
    action.doAction(names.index("Press"))
    print("pressed PROBAR through its Press action")


def close(program):
    """Closes the window as a window manager's close button does, and checks a clean end."""
    found = subprocess.run(["xdotool", "search", "--name", "^Prueba 1: "],
                           capture_output=True, text=True, timeout=10)
    window_id = found.stdout.split()[0] if found.stdout.split() else ""
    if not window_id:
        fail("no X window carries the new caption")
    subprocess.run([SEND_CLOSE, window_id], check=True, timeout=10)
    try:
        status = program.wait(timeout=20)
    except subprocess.TimeoutExpired:
        fail("the program did not end after the close request")
    if status != 0:
        fail(f"the program exited with status {status}")
    with open(LOG) as log:
        output = log.read()
    if output:
        fail("the program wrote to its output:\n" + output)


def main():
    launcher = start_bus()
    program = None
    try:
        import pyatspi  # after the bus is up: importing it connects

        events = []

        def heard(event):
            events.append((event.type, event.source.getRoleName(), event.source.name))

        pyatspi.Registry.registerEventListener(heard, "object:property-change:accessible-name")

        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           QT_QPA_PLATFORM="xcb")
        with open(LOG, "w") as log:
            program = subprocess.Popen([PROGRAM, "-style", "Fusion"], env=environment,
                                       stdout=log, stderr=log)
        window = pump_until(lambda: find_window(pyatspi), 30, "the program's window")
        check_tree(pyatspi, window)

        press_probar(window)

        def renamed():
            return [e for e in events if e[1] in ("frame", "window") and e[2] == FIRST_CAPTION]

        pump_until(renamed, 15, "the window's name-change event")
        for event in events:
            print("event received:", event)
        close(program)
        print("PASSED: the tree in tab order, the press, the name change and a clean close")
    finally:
        if program is not None and program.poll() is None:
            program.kill()
            program.wait()
        launcher.terminate()
        try:
            launcher.wait(timeout=10)
        except subprocess.TimeoutExpired:
            launcher.kill()


if __name__ == "__main__":
    main()
