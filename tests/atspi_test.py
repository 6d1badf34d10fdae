#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""What a screen reader meets: the real program on the accessibility bus
(AT-SPI), typed into with real key presses, read back through pyatspi.

    xvfb-run -a dbus-run-session -- /usr/bin/python3 tests/atspi_test.py build/window/marbolin [de]

With "de" the program runs under LANG=de_DE.UTF-8 and must speak German.
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 10.0
# What the program says and names, in each language the test runs in.
WORDS = {
    "en": {"time": "Time", "tape": "Result tape", "paced": ["1 second", "13 seconds", "1 minute 30 seconds", "13 minutes"],
           "buttons": ["clear", "clear all", "info", "minus", "plus"], "total": "total 13 minutes",
           "burst": "45 minutes 30 seconds", "minus": "total minus 32 minutes 30 seconds", "error": "Error",
           "input error": "Input error.\n", "kept": "entry kept, 60 minutes", "info": "info",
           "keys": "'C'=clear, 'Ctrl+C'=clear all", "cleared": "entry cleared"},
    "de": {"time": "Zeit", "tape": "Ergebnisstreifen", "paced": ["1 Sekunde", "13 Sekunden", "1 Minute 30 Sekunden", "13 Minuten"],
           "buttons": ["Alles löschen", "Info", "Löschen", "Minus", "Plus"], "total": "Summe 13 Minuten",
           "burst": "45 Minuten 30 Sekunden", "minus": "Summe minus 32 Minuten 30 Sekunden", "error": "Fehler",
           "input error": "Eingabefehler.\n", "kept": "Eingabe beibehalten, 60 Minuten", "info": "Info",
           "keys": "C = Löschen, Strg+C = Alles löschen", "cleared": "Eingabe gelöscht"},
}
events = []  # (type, role of the source, its name then, detail) as they arrive
# Roles are compared as AT-SPI's constants: their names differ between
# releases ("push button" in AT-SPI 2.46, "button" in 2.56).
LABEL, TEXT, BUTTON, ALERT = pyatspi.ROLE_LABEL, pyatspi.ROLE_TEXT, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_ALERT
NOTIFICATION = pyatspi.ROLE_NOTIFICATION


def record(event):
    try:
        source = event.source
        detail = event.detail1 if event.type.startswith("object:state-changed") else event.any_data
        role = source.getRole()
        # What a braille display shows for a notification: its labels.
        labels = [child.name for child in source if child is not None and child.getRole() == LABEL] \
            if role == NOTIFICATION else []
        events.append((event.type, role, source.name, detail, labels, time.monotonic()))
    except Exception:  # the source may be gone already, as a closed box is
        pass


def wait_for(what, condition, timeout=TIMEOUT):
    """Lets events arrive until condition() holds; None after the timeout."""
    end = time.monotonic() + timeout
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        result = condition()
        if result:
            return result
        time.sleep(0.01)
    if timeout == TIMEOUT:
        print(f"  timed out waiting for {what}")
    return None


def find(root, role, name_starts=""):
    return pyatspi.findDescendant(
        root, lambda a: a is not None and a.getRole() == role and a.name.startswith(name_starts))


def is_announcement(event):
    """Qt's own announcement (Qt 6.8 and later), or where Qt has none, the
    notification appearing."""
    return event[0] == "object:announcement" or (
        event[0] == "object:state-changed:showing" and event[1] == NOTIFICATION and event[3] == 1)


def announced(since=0.0):
    """The texts announced since then, in order: Qt's announcements, and
    each appearance of the notification, read from the label inside it, as
    Orca speaks it and shows it in braille."""
    def text(e):
        if e[0] == "object:announcement":
            return e[3]
        return e[4][0] if len(e[4]) == 1 and not e[2] else f"(name {e[2]!r}, labels {e[4]})"
    return [text(e) for e in events if is_announcement(e) and e[5] >= since]


def spoken(text, since=0.0):
    return lambda: text in announced(since)


def renamed(since, time):
    return [e[2] for e in events if e[0] == "object:property-change:accessible-name" and e[1] == LABEL
            and e[2].startswith(time) and e[5] >= since]


def alert(app, title):
    def is_box(window):
        try:
            return window is not None and window.getRole() == ALERT and window.name == title
        except GLib.Error:  # a box that is closing as it is asked
            return False
    return next((w for w in app if is_box(w)), None)


def press(accessible):
    accessible.queryAction().doAction(0)


def main(program, language):
    words = WORDS[language]
    pyatspi.Registry.registerEventListener(
        record, "object:property-change:accessible-name", "object:text-changed:insert", "window:activate",
        "object:state-changed:showing", "object:announcement")
    # CANBERRA_DRIVER=null: the tests never make a sound, though the error box beeps.
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", CANBERRA_DRIVER="null",
               LANG="de_DE.UTF-8" if language == "de" else "C.UTF-8", LANGUAGE="", LC_ALL="", LC_MESSAGES="")
    process = subprocess.Popen([program], env=env)
    reader = read_log = None
    results = []

    def check(name, ok, detail=""):
        results.append(ok)
        print(f"{'PASS' if ok else 'FAIL'}: {name}" + (f" ({detail})" if detail and not ok else ""))

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
        display = wait_for("the display", lambda: find(app, LABEL, words["time"]))
        tape = find(app, TEXT, words["tape"])
        check("the display is a label named by its time at start",
              display is not None and display.name == words["time"] + " 00:00:00")

        # A second screen reader listens throughout, as one would, and reads
        # every key; through pyatspi it takes about 20 ms a key event.
        read_log = os.path.join(os.environ.get("TMPDIR", "/tmp"), f"marbolin-reader-{os.getpid()}")
        reader = subprocess.Popen([sys.executable, __file__, "--reader", read_log], stdout=subprocess.PIPE, text=True)
        check("a second screen reader listens", reader.stdout.readline().strip() == "ready")

        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
        # At a typist's pace every entry is spoken, as soon as it is typed.
        start = time.monotonic()
        for key in ["1", "3", "0", "0"]:
            subprocess.run(["xdotool", "key", "--window", window, key], check=True)
            wait_for("a pause", lambda: False, timeout=0.25)
        paced = words["paced"]
        check("typed at 4 keys/s, each entry is announced in turn, for speech and braille",
              bool(wait_for(repr(paced[-1]), spoken(paced[-1], start))) and announced(start) == paced,
              repr(announced(start)))
        check("with each announcement the display reads its new time",
              renamed(start, words["time"]) == [f"{words['time']} 00:{t}" for t in ("00:01", "00:13", "01:30", "13:00")])
        check("the display reads its name and 00:13:00",
              display is not None and display.name == words["time"] + " 00:13:00")
        names = sorted(b.name for b in pyatspi.findAllDescendants(app, lambda a: a.getRole() == BUTTON))
        check("the buttons are named in words", names == words["buttons"], repr(names))

        subprocess.run(["xdotool", "key", "--window", window, "plus"], check=True)
        inserted = wait_for("the tape's insert event", lambda: next(
            (e[3] for e in events if e[0] == "object:text-changed:insert" and e[2] == words["tape"]), None))
        lines = (inserted or "").replace("\u2029", "\n")
        check("'+' inserts '+ 00:13:00' and '=000:13:00' into the tape", lines == "+ 00:13:00\n=000:13:00\n")
        check(f"'+' is spoken as {words['total']!r}", bool(wait_for(repr(words["total"]), spoken(words["total"]))))

        # A burst: only the first entry and, once it pauses, the newest.
        start = time.monotonic()
        subprocess.run(["xdotool", "type", "--window", window, "--delay", "5", "4545454545c4530"], check=True)
        wait_for(repr(words["burst"]), spoken(words["burst"], start))
        wait_for("a pause", lambda: False, timeout=0.3)
        burst = announced(start)
        check("a burst of 15 keys is announced at most twice, ending with the entry",
              1 <= len(burst) <= 2 and burst[-1] == words["burst"], repr(burst))
        check("and the display is renamed as often", renamed(start, words["time"])[-1:] == [words["time"] + " 00:45:30"]
              and len(renamed(start, words["time"])) == len(burst), repr(renamed(start, words["time"])))
        subprocess.run(["xdotool", "key", "--window", window, "minus"], check=True)
        wait_for(repr(words["minus"]), spoken(words["minus"]))

        # Review by lines: each line of the tape in its own place.
        text = tape.queryText()
        tape_lines = ["+ 00:13:00", "=000:13:00", "- 00:45:30", "=-000:32:30"]
        check("the tape reads as its four lines", text.getText(0, -1) == "\n".join(tape_lines) + "\n")
        places, offset = [], 0
        for line in tape_lines:
            found, first, _ = text.getTextAtOffset(offset, pyatspi.TEXT_BOUNDARY_LINE_START)
            x, y, w, h = text.getCharacterExtents(first, pyatspi.DESKTOP_COORDS)
            at = text.getOffsetAtPoint(x + w // 2, y + h // 2, pyatspi.DESKTOP_COORDS)
            places.append((found.rstrip("\n"), y, at == first))
            offset += len(line) + 1
        ys = [p[1] for p in places]
        check("each line reads alone, lies below the one before, and is found at its place",
              [p[0] for p in places] == tape_lines and all(a < b for a, b in zip(ys, ys[1:]))
              and all(p[2] for p in places), repr(places))
        found, _, _ = text.getTextAtOffset(text.characterCount, pyatspi.TEXT_BOUNDARY_LINE_START)
        check("the caret after the last break is on the last line", found.rstrip("\n") == tape_lines[-1])

        # A screen reader that takes its time over every key: a click right
        # after a digit must still come after it.
        def slow_listener(event):
            time.sleep(0.06)
            return False
        kinds = (pyatspi.KEY_PRESSED_EVENT, pyatspi.KEY_RELEASED_EVENT)
        pyatspi.Registry.registerKeystrokeListener(slow_listener, mask=pyatspi.allModifiers(), kind=kinds,
                                                   synchronous=True, preemptive=True)
        subprocess.run(["xdotool", "key", "c"], check=True)
        typist = subprocess.Popen(["sh", "-c", f"xdotool key 5; sleep 0.01; "
                                   f"xdotool mousemove --window {window} 20 52 click 1"])
        wait_for("the click on '+'", lambda: typist.poll() is not None and text.getText(0, -1).count("\n") >= 6)
        wait_for("a pause", lambda: False, timeout=0.3)
        pyatspi.Registry.deregisterKeystrokeListener(slow_listener, mask=pyatspi.allModifiers(), kind=kinds)
        last = text.getText(0, -1).split("\n")[-3:-1]
        check("a click 10 ms after a held digit adds that digit", last == ["+ 00:00:05", "=-000:32:25"], repr(last))

        # A burst far faster than the screen reader reads keys: the final words
        # come once it has read every key, so that its echo of the keys cannot
        # cut them off, and soon after.
        burst = "c1234c5678c1234c5678c4530"
        start = time.monotonic()
        subprocess.run(["xdotool", "type", "--window", window, "--delay", "2", burst], check=True)
        wait_for(repr(words["burst"]), spoken(words["burst"], start))
        wait_for("a pause", lambda: False, timeout=0.5)
        with open(read_log) as f:
            read = float(f.read()) - start
        finals = [e[5] - start for e in events if is_announcement(e) and e[5] >= start]
        check("a burst is spoken once the screen reader has read it, and before only at its first key",
              announced(start) in ([words["burst"]], [words["cleared"], words["burst"]])
              and read < finals[-1] < read + 1.0,
              f"{announced(start)} at {[round(f, 2) for f in finals]} s, the keys read by {read:.2f} s")
        wait_for("a pause", lambda: False, timeout=2.0)
        start = time.monotonic()
        subprocess.run(["xdotool", "key", "--window", window, "c"], check=True)
        said = wait_for(repr(words["cleared"]), spoken(words["cleared"], start))
        check("a key after the pause is spoken within a second",
              bool(said) and next(e[5] for e in events if e[5] >= start and is_announcement(e)) - start < 1.0)

        for key in ["6", "0", "0", "0", "plus"]:
            subprocess.run(["xdotool", "key", "--window", window, key], check=True)
        error = wait_for("the error box", lambda: alert(app, words["error"]))
        check(f"the error box is announced as an alert named {words['error']!r}", error is not None and any(
            e[0] == "window:activate" and e[1] == ALERT and e[2] == words["error"] for e in events))
        message = find(error, LABEL) if error else None
        check(f"the error box reads {words['input error']!r}",
              message is not None and message.name.startswith(words["input error"]))
        if error:
            press(find(error, BUTTON, "OK"))
            wait_for("the error box to close", lambda: alert(app, words["error"]) is None)
            # With no window manager the focus returns only when asked to.
            subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
        check("once the window is back, the kept entry is spoken",
              bool(wait_for(repr(words["kept"]), spoken(words["kept"]))), repr(announced()[-3:]))

        press(find(app, BUTTON, words["info"]))
        info = wait_for("the info box", lambda: alert(app, words["info"]))
        text = find(info, LABEL).name if info else ""
        check("the info box is announced and reads the keys", info is not None and any(
            e[0] == "window:activate" and e[2] == words["info"] for e in events)
            and text.startswith("Marbolin 1.0\n") and words["keys"] in text)
        if info:
            press(find(info, BUTTON, "OK"))
    finally:
        for started in (process, reader):
            if started is not None:
                started.terminate()
                started.wait(10)
        if read_log is not None and os.path.exists(read_log):
            os.remove(read_log)
    return results


def reader(read_log):
    """A screen reader that reads every key, keeps none for itself, and writes
    down when it read the last."""
    def on_key(event):
        with open(read_log, "w") as f:
            f.write(str(time.monotonic()))
        return False

    kinds = (pyatspi.KEY_PRESSED_EVENT, pyatspi.KEY_RELEASED_EVENT)
    # No modifiers, or Shift for '+': fewer registrations, less time a key.
    pyatspi.Registry.registerKeystrokeListener(on_key, mask=[0, 1], kind=kinds, synchronous=True, preemptive=True)
    print("ready", flush=True)
    pyatspi.Registry.start()


if __name__ == "__main__":
    if sys.argv[1] == "--reader":
        reader(sys.argv[2])
    outcome = main(sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else "en")
    passed = sum(outcome)
    print(f"{passed} passed, {len(outcome) - passed} failed")
    sys.exit(0 if outcome and all(outcome) else 1)
