"""A soak under a listening screen reader: thousands of random actions typed
and clicked into the real window while Orca 43 listens, and checked at each
pause against an independent model of the calculator: the display, the tape,
the focus and the last announcement Orca spoke.

The actions: digits, letters, + and -, c and C, Ctrl+C; Tab and Shift+Tab;
Return and Space on the focused button; Page keys, arrows, Home and End on
the tape; clicks and double clicks on every button and on the tape, alone or
0-20 ms after a key of any kind, the pointer often leaving the window right
after; bursts of about 500 keys/s, typed as text with capitals (so with
Shift), or as keys with Tabs and function keys among them right after two
clicks and a focus move; and the error and info boxes.

A scenario for the Orca kit (../shared/orca-kit); bench/orca-soak runs it:

    bench/orca-soak BINARY SEED [ACTIONS] [RUN_DIR]

It prints one line per pause and a summary line, and writes soak.json into
the run folder.
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
FOCUS = ["+", "-", "C", "CA", "?", "tape"]  # in tab order
NAMES = {"plus": "+", "minus": "-", "clear": "C", "clear all": "CA", "info": "?", "Result tape": "tape"}
CENTRE = {"+": (20, 52), "-": (52, 52), "C": (84, 52), "CA": (116, 52), "?": (148, 52), "tape": (84, 160)}
ANNOUNCEMENT = re.compile(r"((total |entry kept, )?(minus )?\d+ (hour|minute|second)s?( \d+ (minute|second)s?)*"
                          r"|entry cleared|all cleared)\.?")
# Keys that type no character, by xdotool's names, and those that only move
# about the tape.
TAPE_KEYS = ["Page_Down", "Page_Up", "Up", "Down", "Left", "Right", "Home", "End"]


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
    """The calculator and its window as the user sees them, kept apart from the
    program's code. box is the title of the box an action opened, if any: until
    it is closed, clicks on the window are lost."""

    def __init__(self):
        self.digits, self.total, self.tape, self.focus, self.said, self.box = "", 0, [], 0, None, None
        self.said_at = 0.0

    def __setattr__(self, name, value):
        if name == "said" and value is not None:
            super().__setattr__("said_at", time.monotonic())
        super().__setattr__(name, value)

    def interrupt(self):
        """The reader speaks something of its own (a new focus, a key that only
        moves about the tape), which cuts off words it has not finished: the
        last words are known only if they had a second to be spoken."""
        if time.monotonic() - self.said_at < 1.0:
            self.said = None

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
        if not self.valid():
            self.said = "entry kept, " + words(None, *self.fields())
            self.box = "Error"
            return
        h, m, s = self.fields()
        operand = h * 3600 + m * 60 + s
        self.total += operand if sign == "+" else -operand
        magnitude = abs(self.total)
        total = f"{'-' if self.total < 0 else ''}{magnitude // 3600:03d}:{magnitude // 60 % 60:02d}:{magnitude % 60:02d}"
        self.tape += [f"{sign} {self.display()}", f"={total}"]
        self.digits = ""
        self.said = "total " + words(self.total)

    def clear(self):
        self.digits = ""
        self.said = "entry cleared"

    def clear_all(self):
        self.digits, self.total, self.tape = "", 0, []
        self.said = "all cleared"

    def key(self, c):
        """A typed character: a digit, + or -, c or C, or one that only beeps."""
        if c.isdigit():
            self.digit(c)
        elif c in "+-":
            self.operate(c)
        elif c in "cC":
            self.clear()

    def press(self, name):
        """What a button does, clicked or pressed with Return or Space."""
        if name in ("+", "-"):
            self.operate(name)
        elif name == "C":
            self.clear()
        elif name == "CA":
            self.clear_all()
        elif name == "?":
            self.box = "info"

    def click(self, name, times=1):
        if self.box:
            return  # the box blocks the window
        if FOCUS.index(name) != self.focus:
            self.interrupt()
        self.focus = FOCUS.index(name)
        for _ in range(times):
            if name != "tape" and not self.box:
                self.press(name)

    def focused(self):
        return FOCUS[self.focus]

    def named_key(self, name):
        """A key by xdotool's name, as it acts where the focus is."""
        if self.box:
            return
        if name in TAPE_KEYS:
            self.interrupt()
        elif name == "Tab":
            self.interrupt()
            self.focus = (self.focus + 1) % len(FOCUS)
        elif name == "shift+Tab":
            self.interrupt()
            self.focus = (self.focus - 1) % len(FOCUS)
        elif name == "Return":
            # The focused button, or the default "+" when the tape has the focus.
            self.press(self.focused() if self.focused() != "tape" else "+")
        elif name == "space":
            # The key preview beeps at a space; a button then acts on its
            # release, and the tape scrolls.
            if self.focused() != "tape":
                self.press(self.focused())
            else:
                self.interrupt()
        elif name == "ctrl+c":
            self.clear_all()
        elif name in ("plus", "minus"):
            self.key("+" if name == "plus" else "-")
        elif len(name) == 1:
            self.key(name)


def app_of(pid):
    return next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.get_process_id() == pid), None)


def seen(app):
    """The display, the tape's lines, the focus and the open boxes, as a screen reader reads them."""
    label = pyatspi.findDescendant(app, lambda a: a is not None and a.getRole() == pyatspi.ROLE_LABEL
                                   and a.name.startswith("Time "))
    tape = pyatspi.findDescendant(app, lambda a: a is not None and a.getRole() == pyatspi.ROLE_TEXT
                                  and a.name == "Result tape")
    text = tape.queryText()
    lines = [line for line in text.getText(0, -1).replace("\u2029", "\n").split("\n") if line]
    focused = pyatspi.findDescendant(app, lambda a: a is not None and a.name in NAMES
                                     and a.getState().contains(pyatspi.STATE_FOCUSED))
    boxes = [w.name for w in app if w is not None and w.getRole() == pyatspi.ROLE_ALERT]
    return label.name[5:], lines, NAMES.get(focused.name) if focused else None, boxes


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
    counts = {}

    actions = open(os.path.join(kit.run, "actions.log"), "w")

    def xdo(*argv):
        actions.write(f"{time.time():.6f}\t{' '.join(argv)}\n")
        subprocess.run(["xdotool", *argv], check=True)

    def click_args(target, times=1):
        """A click on the target; often the pointer then leaves the window, as
        a hand moves on, while the screen reader may still hold the keys
        typed before the click."""
        # xdotool waits --delay after each click, the last one too: the time
        # before the hand moves on.
        repeat = ["--repeat", "2"] if times == 2 else []
        delay = 40 if times == 2 else rng.choice([1, 5, 20, 100])
        away = ["mousemove", "0", "0"] if rng.random() < 0.5 else []
        return ["mousemove", "--window", window, *map(str, CENTRE[target]), "click", *repeat, "--delay", str(delay),
                "1", *away]

    def wait_box(present, what):
        end = time.monotonic() + 60
        while time.monotonic() < end:
            try:
                if bool(seen(app)[3]) == present:
                    return True
            except Exception:  # the box may be closing as it is asked
                pass
            time.sleep(0.05)
        log.append(f"timed out waiting for the {what}")
        return False

    def close_box():
        """Return on the OK button of the box the last action opened."""
        if not model.box:
            return
        if wait_box(True, "box to open"):
            time.sleep(0.3)
            xdo("key", "Return")
            wait_box(False, "box to close")
            time.sleep(0.3)
        model.box = None

    def pause(number):
        nonlocal spoken_from
        actions.write(f"{time.time():.6f}\tpause {number}\n")
        actions.flush()
        # The program catches up with everything typed: the state stops changing.
        last, stable_since, end = None, time.monotonic(), time.monotonic() + 120
        expected = (model.display(), model.tape, model.focused(), [])
        while time.monotonic() < end:
            try:
                now = seen(app)
            except Exception:
                now = None
            if now != last:
                last, stable_since = now, time.monotonic()
            if time.monotonic() - stable_since > (0.5 if now == expected else 8.0):
                break
            time.sleep(0.2)
        display, lines, focus, boxes = last or ("?", [], None, [])
        state_ok = (display, lines, focus, boxes) == expected
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
                 "focus": focus, "model_focus": model.focused(), "boxes": boxes, "last_said": last_said,
                 "model_said": model.said, "waited_for_orca": round(time.monotonic() - quiet_since + 4.0, 1)}
        pauses.append(entry)
        if not state_ok:
            first = next((i for i, (a, b) in enumerate(zip(lines, model.tape)) if a != b),
                         min(len(lines), len(model.tape)))
            log.append(f"pause {number}: state differs: display {display!r} (model {model.display()!r}), "
                       f"tape {len(lines)} lines (model {len(model.tape)}), first difference at line {first}: "
                       f"{lines[first:first + 2]} vs {model.tape[first:first + 2]}, focus {focus!r} "
                       f"(model {model.focused()!r}), boxes {boxes}")
            for _ in boxes:
                xdo("key", "Return")
                time.sleep(0.5)
            # Start again from a known state: the tape focused, then "+", everything cleared.
            xdo(*click_args("tape"))
            xdo("key", "Tab", "ctrl+c")
            time.sleep(1.0)
            model.__init__()
        if not speech_ok:
            log.append(f"pause {number}: last announcement {last_said!r}, the state says {model.said!r}")
        spoken_from = time.time()
        print(f"pause {number}: state {'ok' if state_ok else 'DIFFERS'}, speech {'ok' if speech_ok else 'DIFFERS'}"
              f" ({last_said!r})", flush=True)

    def any_key():
        """A key of any kind that may act where the focus is: (xdotool name, character typed or None)."""
        pick = rng.random()
        if pick < 0.4:
            c = rng.choice("0123456789")
            return c, c
        if pick < 0.5:
            return rng.choice(["plus", "minus"]), None
        if pick < 0.58:
            c = rng.choice("cCxqE")
            return c, c
        if pick < 0.7:
            return rng.choice(["Tab", "shift+Tab"]), None
        if pick < 0.85:
            return rng.choice(["Return", "space"]), None
        if pick < 0.95 and model.focused() == "tape":
            return rng.choice(TAPE_KEYS), None
        return "ctrl+c", None

    def count(kind):
        counts[kind] = counts.get(kind, 0) + 1

    def key_then_click():
        """A key of any kind, then a click or a double click 0-20 ms later."""
        name, _ = any_key()
        target = rng.choice(FOCUS)
        times = 2 if rng.random() < 0.2 else 1
        model.named_key(name)
        model.click(target, times)
        xdo("key", "--delay", "1", name, "sleep", f"{rng.randint(0, 20) / 1000:.3f}", *click_args(target, times))
        close_box()
        count("key then click")
        return 2

    def after_burst():
        """Often a key and a click at once, while the screen reader is still
        busy with the burst: Qt then holds the key, and the click waits."""
        return key_then_click() if rng.random() < 0.5 else 0

    done, number = 0, 0
    while done < ACTIONS:
        kind = rng.random()
        if kind < 0.06:
            # A burst of 20-150 keys 2 ms apart, capitals among them; only
            # operations the model accepts, so that no box opens half way.
            keys = []
            for _ in range(rng.randint(20, 150)):
                c = rng.choice("0123456789012345678901234+-cCxEpRw")
                if c in "+-" and not model.valid():
                    c = "c"
                model.key(c)
                keys.append(c)
            if rng.random() < 0.3:
                # Minutes above 59 left on the display: the next operation
                # opens the error box.
                for c in "c0099":
                    model.key(c)
                    keys.append(c)
            xdo("type", "--delay", "2", "--", "".join(keys))
            done += len(keys) + after_burst()
            count("burst")
        elif kind < 0.26:
            done += key_then_click()
        elif kind < 0.29:
            # Two clicks 100 ms apart, a focus move, and a burst of keys 1 ms
            # apart a few ms later, with operations, Tabs and function keys
            # among them.
            first, second = rng.choice(FOCUS), rng.choice(FOCUS)
            model.click(first)
            xdo(*click_args(first))
            close_box()
            time.sleep(0.1)
            model.click(second)
            xdo(*click_args(second))
            close_box()
            move = rng.choice(["Tab", "shift+Tab"])
            model.named_key(move)
            keys = []
            for _ in range(rng.randint(20, 40)):
                k = rng.choice(["plus", "minus"] + list("0123456789012345cCV") + ["Tab", "F3", "F11"])
                if k in ("plus", "minus") and not model.valid():
                    k = "c"
                model.named_key(k)
                keys.append(k)
            xdo("key", "--clearmodifiers", move, "sleep", "0.006", "key", "--delay", "1", *keys)
            done += 3 + len(keys) + after_burst()
            count("clicks, focus move, burst")
        elif kind < 0.33:
            # A click or a double click alone.
            target = rng.choice(FOCUS)
            times = 2 if rng.random() < 0.3 else 1
            model.click(target, times)
            xdo(*click_args(target, times))
            close_box()
            done += 1
            count("click")
        elif kind < 0.36:
            name = rng.choice(["Tab", "Tab", "shift+Tab"])
            model.named_key(name)
            xdo("key", "--clearmodifiers", name)
            done += 1
            count("tab")
        elif kind < 0.42:
            # Return or Space on the focused control.
            name = rng.choice(["Return", "space"])
            model.named_key(name)
            xdo("key", "--clearmodifiers", name)
            close_box()
            done += 1
            count("return or space")
        elif kind < 0.47:
            # Moving about the tape, which takes the focus first if it has not.
            if model.focused() != "tape":
                model.click("tape")
                xdo(*click_args("tape"))
            names = [rng.choice(TAPE_KEYS) for _ in range(rng.randint(1, 4))]
            model.interrupt()
            xdo("key", "--delay", str(rng.choice([1, 20, 80])), *names)
            done += len(names)
            count("tape keys")
        elif kind < 0.49:
            model.named_key("ctrl+c")
            xdo("key", "--clearmodifiers", "ctrl+c")
            done += 1
            count("ctrl+c")
        else:
            c = rng.choice("01234567890123456789+-+-cCxq")
            name = {"+": "plus", "-": "minus"}.get(c, c)
            model.named_key(name)
            xdo("key", "--clearmodifiers", name)
            if model.box:
                close_box()
            else:
                time.sleep(rng.choice([0.0, 0.02, 0.05, 0.15, 0.3]))
            done += 1
            count("key")
        if done // 100 > number:
            number = done // 100
            pause(number)
    summary = {"seed": SEED, "actions": done, "pauses": len(pauses), "kinds": counts,
               "state_differs": sum(not p["state_ok"] for p in pauses),
               "speech_differs": sum(not p["speech_ok"] for p in pauses), "problems": log, "pauses_seen": pauses}
    with open(os.path.join(kit.run, "soak.json"), "w") as f:
        json.dump(summary, f, indent=1)
    for line in log:
        print(line)
    print(f"soak seed {SEED}: {done} actions ({', '.join(f'{k} {v}' for k, v in sorted(counts.items()))}), "
          f"{len(pauses)} pauses, state differs at {summary['state_differs']}, "
          f"last announcement differs at {summary['speech_differs']}", flush=True)
