"""A soak under a listening screen reader: thousands of random actions (digits,
letters, + and -, C, Ctrl+C, Tab and Shift+Tab, Return, clicks on every
button and on the tape, error boxes, and bursts of about 500 keys/s, with
clicks 0-20 ms after keys) typed into the real window while Orca 43 listens.
At each pause the display and the tape, read over AT-SPI, are compared with
an independent model of the calculator, and the last announcement Orca
spoke with the state the user ends on.

A scenario for the Orca kit (../shared/orca-kit); bench/orca-soak runs it:

    bench/orca-soak BINARY SEED [ACTIONS] [RUN_DIR]

It prints one line per pause that went wrong and a summary line, and writes
soak.json into the run folder.
"""
import json
import os
import random
import re
import subprocess
import time

import pyatspi

BIN = os.environ["MARBOLIN"]
SEED = int(os.environ.get("SOAK_SEED", "1"))
ACTIONS = int(os.environ.get("SOAK_ACTIONS", "3000"))
ENV = {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_QPA_PLATFORM": "xcb", "CANBERRA_DRIVER": "null",
       "LANG": "C.UTF-8"}
FOCUS = ["+", "-", "C", "CA", "?", "tape"]
CENTRE = {"+": (20, 52), "-": (52, 52), "C": (84, 52), "CA": (116, 52), "?": (148, 52), "tape": (84, 160)}
ANNOUNCEMENT = re.compile(r"((total |entry kept, )?(minus )?\d+ (hour|minute|second)s?( \d+ (minute|second)s?)*"
                          r"|entry cleared|all cleared)\.?")


def words(seconds_total, hours=None, minutes=None, seconds=None):
    """The program's words for a time: fields that are zero left out."""
    negative = seconds_total is not None and seconds_total < 0
    if seconds_total is not None:
        magnitude = abs(seconds_total)
        hours, minutes, seconds = magnitude // 3600, magnitude // 60 % 60, magnitude % 60
    fields = []
    for count, unit in ((hours, "hour"), (minutes, "minute"), (seconds, "second")):
        if count:
            fields.append(f"{count} {unit}" + ("" if count == 1 else "s"))
    text = " ".join(fields) or "0 seconds"
    return "minus " + text if negative else text


class Model:
    """The calculator as the user sees it, kept apart from the program's code."""

    def __init__(self):
        self.digits, self.total, self.tape, self.focus, self.said = "", 0, [], 0, None

    def display(self):
        padded = self.digits.rjust(6, "0")
        return f"{padded[0:2]}:{padded[2:4]}:{padded[4:6]}"

    def fields(self):
        d = self.display()
        return int(d[0:2]), int(d[3:5]), int(d[6:8])

    def valid(self):
        _, m, s = self.fields()
        return m <= 59 and s <= 59

    def digit(self, d):
        if len(self.digits) < 6:
            self.digits += d
            self.said = words(None, *self.fields())

    def operate(self, sign):
        """False where the entry is refused: the error box opens."""
        if not self.valid():
            self.said = "entry kept, " + words(None, *self.fields())
            return False
        h, m, s = self.fields()
        operand = h * 3600 + m * 60 + s
        self.total += operand if sign == "+" else -operand
        magnitude = abs(self.total)
        total = f"{'-' if self.total < 0 else ''}{magnitude // 3600:03d}:{magnitude // 60 % 60:02d}:{magnitude % 60:02d}"
        self.tape += [f"{sign} {self.display()}", f"={total}"]
        self.digits = ""
        self.said = "total " + words(self.total)
        return True

    def clear(self):
        self.digits = ""
        self.said = "entry cleared"

    def key(self, c):
        """A typed character: a digit, + or -, c, or one that only beeps."""
        if c.isdigit():
            self.digit(c)
        elif c in "+-":
            self.operate(c)
        elif c == "c":
            self.clear()

    def clear_all(self):
        self.digits, self.total, self.tape = "", 0, []
        self.said = "all cleared"

    def click(self, name):
        """What a click on a button does, or Return on it; True if a box opens."""
        if name in ("+", "-"):
            return not self.operate(name)
        if name == "C":
            self.clear()
        elif name == "CA":
            self.clear_all()
        return name == "?"


def app_of(pid):
    return next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.get_process_id() == pid), None)


def seen(app):
    """The display and the tape's lines as a screen reader reads them, and the open boxes."""
    label = pyatspi.findDescendant(app, lambda a: a is not None and a.getRoleName() == "label"
                                   and a.name.startswith("Time "))
    tape = pyatspi.findDescendant(app, lambda a: a is not None and a.getRoleName() == "text"
                                  and a.name == "Result tape")
    text = tape.queryText()
    lines = [line for line in text.getText(0, -1).replace("\u2029", "\n").split("\n") if line]
    boxes = [w.name for w in app if w is not None and w.getRoleName() == "alert"]
    return label.name[5:], lines, boxes


def run(kit):
    rng = random.Random(SEED)
    app_proc = kit.launch("marbolin", [BIN], ENV)
    window = kit.window_of(app_proc, "^Marbolin$")
    kit.focus(window)
    time.sleep(2.0)
    app = app_of(app_proc.pid)
    model = Model()
    log = []  # what went wrong, pause by pause
    pauses = []
    spoken_from = time.time()

    actions = open(os.path.join(kit.run, "actions.log"), "w")

    def xdo(*argv):
        actions.write(f"{time.time():.6f}\t{' '.join(argv)}\n")
        subprocess.run(["xdotool", *argv], check=True)

    def key(name):
        xdo("key", "--clearmodifiers", name)

    def wait_box(present, what):
        end = time.monotonic() + 60
        while time.monotonic() < end:
            try:
                if bool(seen(app)[2]) == present:
                    return True
            except Exception:  # the box may be closing as it is asked
                pass
            time.sleep(0.05)
        log.append(f"timed out waiting for the {what}")
        return False

    def box_round(action):
        """An action that opens a box, then Return on its OK button."""
        action()
        if wait_box(True, "box to open"):
            time.sleep(0.3)
            key("Return")
            wait_box(False, "box to close")
            time.sleep(0.3)

    def pause(number):
        nonlocal spoken_from
        actions.write(f"{time.time():.6f}\tpause {number}\n")
        actions.flush()
        # The program catches up with everything typed: the state stops changing.
        last, stable_since, end = None, time.monotonic(), time.monotonic() + 120
        while time.monotonic() < end:
            try:
                now = seen(app)
            except Exception:
                now = None
            if now != last:
                last, stable_since = now, time.monotonic()
            matches = now is not None and now[0] == model.display() and now[1] == model.tape
            if time.monotonic() - stable_since > (0.5 if matches else 8.0):
                break
            time.sleep(0.2)
        display, lines, boxes = last or ("?", [], [])
        tape_ok = lines == model.tape
        state_ok = display == model.display() and tape_ok and not boxes
        # Orca catches up too: nothing new spoken for 4 s.
        end, size, quiet_since = time.monotonic() + 180, -1, time.monotonic()
        while time.monotonic() < end:
            current = os.path.getsize(kit.spd_log)
            if current != size:
                size, quiet_since = current, time.monotonic()
            elif time.monotonic() - quiet_since > 4.0:
                break
            time.sleep(0.2)
        utterances = []
        with open(kit.spd_log, encoding="utf-8", errors="replace") as f:
            for raw in f:
                stamp, _, text = raw.rstrip("\n").partition("\t")
                try:
                    if float(stamp) >= spoken_from and ANNOUNCEMENT.fullmatch(text.strip()):
                        utterances.append(text.strip().rstrip("."))
                except ValueError:
                    pass
        last_said = utterances[-1] if utterances else None
        speech_ok = model.said is None or last_said == model.said
        entry = {"pause": number, "state_ok": state_ok, "speech_ok": speech_ok, "display": display,
                 "model_display": model.display(), "tape_lines": len(lines), "model_tape_lines": len(model.tape),
                 "boxes": boxes, "last_said": last_said, "model_said": model.said,
                 "waited_for_orca": round(time.monotonic() - quiet_since + 4.0, 1)}
        pauses.append(entry)
        if not state_ok:
            first = next((i for i, (a, b) in enumerate(zip(lines, model.tape)) if a != b), min(len(lines), len(model.tape)))
            log.append(f"pause {number}: state differs: display {display!r} (model {model.display()!r}), "
                       f"tape {len(lines)} lines (model {len(model.tape)}), first difference at line {first}: "
                       f"{lines[first:first + 2]} vs {model.tape[first:first + 2]}, boxes {boxes}")
            for _ in boxes:
                key("Return")
                time.sleep(0.5)
            key("ctrl+c")  # start again from a known state
            time.sleep(1.0)
            model.clear_all()
            model.said = None
        if not speech_ok:
            log.append(f"pause {number}: last announcement {last_said!r}, the state says {model.said!r}")
        spoken_from = time.time()
        print(f"pause {number}: state {'ok' if state_ok else 'DIFFERS'}, speech {'ok' if speech_ok else 'DIFFERS'}"
              f" ({last_said!r})", flush=True)

    done, number = 0, 0
    while done < ACTIONS:
        kind = rng.random()
        if kind < 0.06:
            # A burst of 20-150 keys 2 ms apart; only operations the model accepts.
            keys = []
            for _ in range(rng.randint(20, 150)):
                c = rng.choice("0123456789012345678901234+-cx")
                if c in "+-" and not model.valid():
                    c = "c"
                model.key(c)
                keys.append(c)
            xdo("type", "--delay", "2", "--", "".join(keys))
            done += len(keys)
        elif kind < 0.22:
            # A digit and a click on a button 0-20 ms later.
            d = rng.choice("0123456789")
            target = rng.choice(["+", "-", "C", "CA", "tape"])
            model.digit(d)
            model.focus = FOCUS.index(target)
            if target in ("+", "-") and not model.valid():
                box_round(lambda: xdo("key", d, "sleep", f"{rng.randint(0, 20) / 1000:.3f}", "mousemove", "--window",
                                      window, *map(str, CENTRE[target]), "click", "1"))
                model.click(target)
            else:
                model.click(target) if target != "tape" else None
                xdo("key", d, "sleep", f"{rng.randint(0, 20) / 1000:.3f}", "mousemove", "--window", window,
                    *map(str, CENTRE[target]), "click", "1")
            done += 2
        elif kind < 0.25:
            target = rng.choice(FOCUS)
            model.focus = FOCUS.index(target)
            click = lambda: xdo("mousemove", "--window", window, *map(str, CENTRE[target]), "click", "1")
            if target == "?" or (target in ("+", "-") and not model.valid()):
                model.click(target)
                box_round(click)
            else:
                if target != "tape":
                    model.click(target)
                click()
            done += 1
        elif kind < 0.30:
            forward = rng.random() < 0.6
            model.focus = (model.focus + (1 if forward else -1)) % len(FOCUS)
            key("Tab" if forward else "shift+Tab")
            done += 1
        elif kind < 0.33:
            target = FOCUS[model.focus] if FOCUS[model.focus] != "tape" else "+"
            if target == "?" or (target in ("+", "-") and not model.valid()):
                model.click(target)
                box_round(lambda: key("Return"))
            else:
                model.click(target)
                key("Return")
            done += 1
        elif kind < 0.35:
            model.clear_all()
            key("ctrl+c")
            done += 1
        else:
            c = rng.choice("01234567890123456789+-+-cxq")
            if c in "+-" and not model.valid():
                model.operate(c)
                box_round(lambda: key("plus" if c == "+" else "minus"))
            else:
                model.key(c)
                key({"+": "plus", "-": "minus"}.get(c, c))
                time.sleep(rng.choice([0.0, 0.02, 0.05, 0.15, 0.3]))
            done += 1
        if done // 100 > number:
            number = done // 100
            pause(number)
    summary = {"seed": SEED, "actions": done, "pauses": len(pauses),
               "state_differs": sum(not p["state_ok"] for p in pauses),
               "speech_differs": sum(not p["speech_ok"] for p in pauses), "problems": log, "pauses_seen": pauses}
    with open(os.path.join(kit.run, "soak.json"), "w") as f:
        json.dump(summary, f, indent=1)
    for line in log:
        print(line)
    print(f"soak seed {SEED}: {done} actions, {len(pauses)} pauses, state differs at {summary['state_differs']}, "
          f"last announcement differs at {summary['speech_differs']}", flush=True)
