#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""What a screen reader meets: the real program on the accessibility bus
(AT-SPI), typed into with real key presses, read back through pyatspi.

    xvfb-run -a dbus-run-session -- /usr/bin/python3 tests/atspi_test.py build/window/marbolin
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 10.0
events = []  # (type, role of the source, its name then, detail) as they arrive


def record(event):
    try:
        detail = event.detail1 if event.type.startswith("object:state-changed") else event.any_data
        events.append((event.type, event.source.getRoleName(), event.source.name, detail))
    except Exception:  # the source may be gone already, as a closed box is
        pass


def wait_for(what, condition):
    """Lets events arrive until condition() holds; None after the timeout."""
    end = time.monotonic() + TIMEOUT
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        result = condition()
        if result:
            return result
        time.sleep(0.02)
    print(f"  timed out waiting for {what}")
    return None


def find(root, role, name_starts=""):
    return pyatspi.findDescendant(
        root, lambda a: a is not None and a.getRoleName() == role and a.name.startswith(name_starts))


def spoken(text):
    """True once the announcement widget has appeared named text, as Orca
    speaks it."""
    return lambda: any(e[0] == "object:state-changed:showing" and e[1] == "notification" and e[2] == text
                       and e[3] == 1 for e in events)


def alert(app, title):
    return next((w for w in app if w is not None and w.getRoleName() == "alert" and w.name == title), None)


def press(accessible):
    accessible.queryAction().doAction(0)


def main(program):
    pyatspi.Registry.registerEventListener(
        record, "object:property-change:accessible-name", "object:text-changed:insert", "window:activate",
        "object:state-changed:showing")
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    process = subprocess.Popen([program], env=env)
    results = []

    def check(name, ok):
        results.append(ok)
        print(f"{'PASS' if ok else 'FAIL'}: {name}")

    try:
        window = subprocess.check_output(
            ["timeout", "20", "xdotool", "search", "--sync", "--pid", str(process.pid), "--name", "^Marbolin$"],
            text=True).split()[0]
        desktop = pyatspi.Registry.getDesktop(0)
        app = wait_for("the program on the bus", lambda: next(
            (a for a in desktop if a is not None and a.get_process_id() == process.pid), None))
        if app is None:
            check("the program is on the accessibility bus", False)
            return results
        display = wait_for("the display", lambda: find(app, "label", "Time"))
        tape = find(app, "text", "Result tape")
        check("the display is a label named by its time at start", display is not None and display.name == "Time 00:00:00")

        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
        for key in ["1", "3", "0", "0"]:
            subprocess.run(["xdotool", "key", "--window", window, key], check=True)
        heard = wait_for("the display's name change", lambda: any(
            e[0] == "object:property-change:accessible-name" and e[1] == "label" and e[2] == "Time 00:13:00"
            for e in events))
        check("typing 1 3 0 0 announces the display as 'Time 00:13:00'", bool(heard))
        check("the display reads 'Time 00:13:00'", display is not None and display.name == "Time 00:13:00")
        check("typing 1 3 0 0 is spoken as '13 minutes'", bool(wait_for("'13 minutes'", spoken("13 minutes"))))
        names = sorted(b.name for b in pyatspi.findAllDescendants(app, lambda a: a.getRoleName() == "push button"))
        check("the buttons are named in words", names == ["clear", "clear all", "info", "minus", "plus"])

        subprocess.run(["xdotool", "key", "--window", window, "plus"], check=True)
        inserted = wait_for("the tape's insert event", lambda: next(
            (e[3] for e in events if e[0] == "object:text-changed:insert" and e[2] == "Result tape"), None))
        lines = (inserted or "").replace("\u2029", "\n")
        check("'+' inserts '+ 00:13:00' and '=000:13:00' into the tape", lines == "+ 00:13:00\n=000:13:00\n")
        text = tape.queryText()
        check("the tape reads '=000:13:00'", "=000:13:00" in text.getText(0, text.characterCount))
        check("'+' is spoken as 'total 13 minutes'",
              bool(wait_for("'total 13 minutes'", spoken("total 13 minutes"))))

        for key in ["6", "0", "0", "0", "plus"]:
            subprocess.run(["xdotool", "key", "--window", window, key], check=True)
        error = wait_for("the error box", lambda: alert(app, "Error"))
        check("the error box is announced as an alert named 'Error'", error is not None and any(
            e[0] == "window:activate" and e[1] == "alert" and e[2] == "Error" for e in events))
        message = find(error, "label") if error else None
        check("the error box reads 'Input error.'", message is not None and message.name.startswith("Input error.\n"))
        if error:
            press(find(error, "push button", "OK"))
            wait_for("the error box to close", lambda: alert(app, "Error") is None)
            # With no window manager the focus returns only when asked to.
            subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
        check("once the window is back, the kept entry is spoken",
              bool(wait_for("'entry kept, 60 minutes'", spoken("entry kept, 60 minutes"))))

        press(find(app, "push button", "info"))
        info = wait_for("the info box", lambda: alert(app, "info"))
        text = find(info, "label").name if info else ""
        check("the info box is announced and reads the keys", info is not None and any(
            e[0] == "window:activate" and e[2] == "info" for e in events)
            and text.startswith("Marbolin 1.0\n") and "'C'=clear, 'Ctrl+C'=clear all" in text)
        if info:
            press(find(info, "push button", "OK"))
    finally:
        process.terminate()
        process.wait(10)
    return results


if __name__ == "__main__":
    outcome = main(sys.argv[1])
    passed = sum(outcome)
    print(f"{passed} passed, {len(outcome) - passed} failed")
    sys.exit(0 if outcome and all(outcome) else 1)
