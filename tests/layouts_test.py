#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The keys of each language's own keyboard, pressed as a person presses them.

    layouts_test.py BINARY [LAYOUT...]

For each keyboard layout (and once more for the Persian one on a Persian
desktop), a private X server starts with that layout as its
keymap (a copy of the XKB rules whose default is that layout), the real
program starts on it, and physical keys are pressed through XTest, so that
the layout decides what each key types: the digits 1 3 0 0 where the layout
has them (on the number row, with Shift where its unshifted row has other
characters), its own '+', 1 1, the key that carries C, and 2. On a US
keyboard that leaves the tape '+ 00:13:00', '=000:13:00' and the display
00:00:02; under every layout the window must look the same, pixel for pixel.

A layout of another script than Latin has no C: there the C key is the key
where a US keyboard has it. "us,ru" and "dvorak,ru" have a Latin layout too,
with Russian the active one: there the key that carries C is the one with C
in the Latin layout (on Dvorak, the key where QWERTY has I).

LAYOUT is a name from the list below; without any, all of them are tried.
"""
import ctypes
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unicodedata

from Xlib import X, display as xdisplay
from Xlib.ext import xtest

# The default keyboard layout of each language the program speaks, as XKB
# names it, and a few more. Each entry: the symbols of the layout's keymap,
# and whether the active layout is the second (a Latin one before it).
LAYOUTS = {
    "us": ("us", False),
    "ara": ("ara", False),           # Arabic
    "bg": ("bg", False),             # Bulgarian: '+' is Shift+3
    "es(cat)": ("es(cat)", False),   # Catalan
    "cz": ("cz", False),             # Czech: digits with Shift
    "dk": ("dk", False),             # Danish
    "de": ("de", False),             # German
    "es": ("es", False),             # Spanish
    "ir": ("ir", False),             # Persian: Persian digits on the number row
    "fi": ("fi", False),             # Finnish
    "fr": ("fr", False),             # French: digits with Shift
    "gb": ("gb", False),             # Scottish Gaelic
    "il": ("il", False),             # Hebrew
    "hr": ("hr", False),             # Croatian
    "hu": ("hu", False),             # Hungarian: 0 left of 1
    "it": ("it", False),             # Italian
    "jp": ("jp", False),             # Japanese
    "kr": ("kr", False),             # Korean
    "lv": ("lv", False),             # Latvian
    "nl": ("nl", False),             # Dutch
    "no": ("no", False),             # Norwegian Nynorsk
    "pl": ("pl", False),             # Polish
    "br": ("br", False),             # Brazilian Portuguese
    "ru": ("ru", False),             # Russian
    "sk": ("sk", False),             # Slovak: digits with Shift
    "tr": ("tr", False),             # Turkish
    "ua": ("ua", False),             # Ukrainian
    "cn": ("cn", False),             # Simplified Chinese
    "tw": ("tw", False),             # Traditional Chinese
    "gr": ("gr", False),             # Greek
    "us,ru": ("us+ru:2", True),
    "dvorak,ru": ("us(dvorak)+ru:2", True),
    # On a Persian desktop: the words are Persian, the window's face is not.
    "ir in Persian": ("ir", False, "fa_IR.UTF-8"),
}

SHIFT = 50        # the left Shift key
NEXT_GROUP = 135  # the Menu key, which switches layouts here (group(menu_toggle))
C_KEY = 54        # where a US keyboard has C
NUMBER_ROW = [49] + list(range(10, 20))  # the key left of 1, then 1 to 0


def fail(message):
    print("FAIL: " + message, flush=True)
    sys.exit(1)


# libxkbcommon knows which character every keysym stands for.
XKBCOMMON = ctypes.CDLL("libxkbcommon.so.0")
XKBCOMMON.xkb_keysym_to_utf32.argtypes = [ctypes.c_uint32]
XKBCOMMON.xkb_keysym_to_utf32.restype = ctypes.c_uint32


def character(keysym):
    """The character a keysym types, or None."""
    code = XKBCOMMON.xkb_keysym_to_utf32(keysym)
    return chr(code) if code >= 0x20 and code != 0x7F else None


class Server:
    """A private Xvfb whose keymap is the given symbols."""

    def __init__(self, xkb, symbols):
        rules = os.path.join(xkb, "rules")
        with open(os.path.join("/usr/share/X11/xkb/rules/evdev")) as f:
            text = f.read()
        # The layout the server takes by default, "us", gets these symbols.
        default = "  *\t\t*\t\t\t=\tpc+%l%(v)\n"
        if default not in text:
            fail("the XKB rules have no default line to replace")
        with open(os.path.join(rules, "evdev"), "w") as f:
            f.write(text.replace(default, "  *\t\t*\t\t\t=\tpc+%s+group(menu_toggle)\n" % symbols, 1))
        self.number = next(n for n in range(70, 100)
                           if not os.path.exists("/tmp/.X%d-lock" % n) and not os.path.exists("/tmp/.X11-unix/X%d" % n))
        self.name = ":%d" % self.number
        self.process = subprocess.Popen(["Xvfb", self.name, "-screen", "0", "640x480x24", "-nolisten", "tcp",
                                         "-noreset", "-xkbdir", xkb], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        end = time.monotonic() + 15
        while subprocess.run(["xdpyinfo", "-display", self.name], stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL).returncode != 0:
            if time.monotonic() > end or self.process.poll() is not None:
                fail("Xvfb %s did not start" % self.name)
            time.sleep(0.05)
        self.display = xdisplay.Display(self.name)

    def stop(self):
        self.display.close()
        self.process.terminate()
        self.process.wait()

    def typed(self, keycode, level):
        return character(self.display.keycode_to_keysym(keycode, level))

    def symbol(self, keycode, level):
        """What the key types, for the report."""
        return self.typed(keycode, level) or "-"

    def key_for(self, wanted, group):
        """(keycode, shifted) of the key that types what `wanted` accepts in the
        layout (0 or 1), number row first."""
        codes = NUMBER_ROW + [c for c in range(8, 256) if c not in NUMBER_ROW]
        for level in (0, 1):
            for code in codes:
                typed = self.typed(code, 2 * group + level)
                if typed is not None and wanted(typed):
                    return code, level == 1
        return None

    def press(self, keycode, shifted=False):
        if shifted:
            xtest.fake_input(self.display, X.KeyPress, SHIFT)
        xtest.fake_input(self.display, X.KeyPress, keycode)
        xtest.fake_input(self.display, X.KeyRelease, keycode)
        if shifted:
            xtest.fake_input(self.display, X.KeyRelease, SHIFT)
        self.display.sync()
        time.sleep(0.03)


def digit_key(server, value, group):
    return server.key_for(lambda c: unicodedata.category(c) == "Nd" and unicodedata.digit(c) == value, group)


def grab(name, window):
    return subprocess.run(["import", "-silent", "-window", window, "-depth", "8", "rgb:-"],
                          env=dict(os.environ, DISPLAY=name), stdout=subprocess.PIPE, check=True).stdout


def settled(name, window, limit=15.0):
    """The window once two grabs 300 ms apart agree: the program has caught up."""
    end = time.monotonic() + limit
    last = grab(name, window)
    while time.monotonic() < end:
        time.sleep(0.3)
        now = grab(name, window)
        if now == last:
            return now
        last = now
    return last


def run(binary, xkb, layout):
    symbols, second, language = (LAYOUTS[layout] + ("C.UTF-8",))[:3]
    server = Server(xkb, symbols)
    env = dict(os.environ, DISPLAY=server.name, QT_QPA_PLATFORM="xcb", CANBERRA_DRIVER="null", LANG=language,
               LANGUAGE="", LC_ALL="", LC_MESSAGES="")
    env.pop("WAYLAND_DISPLAY", None)
    program = subprocess.Popen([binary], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Marbolin$"],
                               env=env, stdout=subprocess.PIPE, text=True, timeout=30).stdout.split()
        if not found:
            fail("%s: no window" % layout)
        window = found[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", window], env=env, check=True, timeout=30)
        # No hover and no tooltip: the pointer rests off the window.
        subprocess.run(["xdotool", "mousemove", "0", "0"], env=env, check=True, timeout=30)
        start = settled(server.name, window)
        if second:
            server.press(NEXT_GROUP)
            # The Latin layout's C, wherever it is; the core keymap lists the
            # first layout's symbols first.
            c_key = next(code for code in range(8, 256) if server.typed(code, 0) == "c")
        else:
            c_key = C_KEY
        group = 1 if second else 0
        keys = [digit_key(server, 1, group), digit_key(server, 3, group), digit_key(server, 0, group),
                digit_key(server, 0, group), server.key_for(lambda c: c == "+", group), digit_key(server, 1, group),
                digit_key(server, 1, group), (c_key, False), digit_key(server, 2, group)]
        if None in keys:
            fail("%s: the layout has no key for a digit or '+'" % layout)
        typed = []
        for code, shifted in keys:
            server.press(code, shifted)
            typed.append(("Shift+" if shifted else "") + server.symbol(code, 2 * group + (1 if shifted else 0)))
        row = "".join(server.symbol(code, 2 * group) for code in range(10, 20))
        typed = "number row %s, C key %s; typed %s" % (row, server.symbol(c_key, 2 * group), " ".join(typed))
        return start, settled(server.name, window), typed
    finally:
        program.terminate()
        program.wait()
        server.stop()


def main():
    binary = sys.argv[1]
    layouts = sys.argv[2:] or list(LAYOUTS)
    xkb = tempfile.mkdtemp(prefix="marbolin-xkb-")
    try:
        for part in os.listdir("/usr/share/X11/xkb"):
            if part != "rules":
                os.symlink(os.path.join("/usr/share/X11/xkb", part), os.path.join(xkb, part))
        shutil.copytree("/usr/share/X11/xkb/rules", os.path.join(xkb, "rules"))
        start, reference, _ = run(binary, xkb, "us")
        if reference == start:
            fail("us: the keys changed nothing in the window")
        failed = []
        for layout in layouts:
            if layout == "us":
                continue
            _, seen, typed = run(binary, xkb, layout)
            same = seen == reference
            print("%-10s %s: %s" % (layout, typed, "as under us" if same else "DIFFERS from us"), flush=True)
            if not same:
                failed.append(layout)
        if failed:
            fail("the window differs from us under " + ", ".join(failed))
        print("every layout as under us", flush=True)
    finally:
        shutil.rmtree(xkb)


if __name__ == "__main__":
    main()
