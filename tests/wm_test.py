#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The window as drawn under a real window manager: the frame opens in the
middle of the screen's free area, and stays 169x265 after fullscreen and
maximise requests. Where the frame is comes from a grab of the root window,
whose background is black on Xvfb, not from any tool's idea of the geometry.

    xvfb-run -a -s "-screen 0 1280x800x24 -noreset" dbus-run-session -- \\
        /usr/bin/python3 tests/wm_test.py metacity|xfwm4 build/window/marbolin
"""
import os
import re
import subprocess
import sys
import tempfile
import time

WINDOW_MANAGERS = {"metacity": ["metacity", "--replace"], "xfwm4": ["xfwm4", "--compositor=off"]}


def output(*argv):
    return subprocess.run(argv, capture_output=True, text=True, check=False).stdout


def until(what, probe, timeout=10.0):
    """The first true result of probe(), or an error after the timeout."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        result = probe()
        if result:
            return result
        time.sleep(0.05)
    raise RuntimeError(f"timed out waiting for {what}")


def numbers(text):
    return [int(n) for n in re.findall(r"-?\d+", text.split("=", 1)[-1])] if "=" in text else []


def drawn_frame(shot):
    """x, y, width, height of everything that is not the black root; None
    while nothing is drawn (trimming an all-black grab leaves no box)."""
    subprocess.run(["import", "-silent", "-window", "root", shot], check=True)
    match = re.search(r" (\d+)x(\d+) \d+x\d+\+(-?\d+)\+(-?\d+) ", output("convert", shot, "-trim", "info:-"))
    if match is None:
        return None
    w, h, x, y = (int(n) for n in match.groups())
    return (x, y, w, h) if x >= 0 and y >= 0 else None


def settled_frame(shot, extents):
    """The frame once it is drawn whole, around the client and its extents, and
    two grabs a moment apart agree. A cold machine draws late: a grab of a
    window not drawn yet, or drawn in part, means not yet."""
    left, right, top, bottom = extents
    last = [None]

    def probe():
        frame = drawn_frame(shot)
        whole = frame is not None and frame[2] >= 169 + left + right and frame[3] >= 265 + top + bottom
        settled = whole and frame == last[0]
        last[0] = frame
        if not settled:
            time.sleep(0.15)
        return frame if settled else None

    return until("the whole frame drawn, the same in two grabs", probe, timeout=30.0)


def client_size(window):
    info = output("xwininfo", "-id", window)
    return int(re.search(r"Width: (\d+)", info).group(1)), int(re.search(r"Height: (\d+)", info).group(1))


def main(wm, program):
    results = []

    def check(name, ok, detail=""):
        results.append(ok)
        print(f"{'PASS' if ok else 'FAIL'}: {name}{': ' + detail if detail else ''}")

    manager = subprocess.Popen(WINDOW_MANAGERS[wm], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    app = None
    try:
        until(f"{wm} to manage the screen", lambda: "window id" in output("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))
        app = subprocess.Popen([program], env=dict(os.environ, QT_QPA_PLATFORM="xcb", CANBERRA_DRIVER="null"))
        window = until("the window", lambda: output("xdotool", "search", "--onlyvisible", "--pid", str(app.pid),
                                                    "--name", "^Marbolin$").split())[0]
        extents = until("the frame extents", lambda: numbers(output("xprop", "-id", window, "_NET_FRAME_EXTENTS")))
        area = numbers(output("xprop", "-root", "_NET_WORKAREA"))[:4]
        with tempfile.TemporaryDirectory() as scratch:
            shot = os.path.join(scratch, "root.png")
            x, y, w, h = settled_frame(shot, extents)
            dx = x + w / 2 - (area[0] + area[2] / 2)
            dy = y + h / 2 - (area[1] + area[3] / 2)
            check("the frame opens in the middle of the free area", abs(dx) <= 2 and abs(dy) <= 2,
                  f"frame {w}x{h} at {x},{y} (extents {extents}), centre off by ({dx:+.1f}, {dy:+.1f}) px")
            for state in ["fullscreen", "maximized_vert,maximized_horz"]:
                subprocess.run(["wmctrl", "-i", "-r", window, "-b", f"add,{state}"], check=True)
                time.sleep(0.5)  # the request, and the window's undoing of it, take a round trip each
                until(f"the window to drop {state}", lambda: "FULLSCREEN" not in output(
                    "xprop", "-id", window, "_NET_WM_STATE") and "MAXIMIZED" not in output(
                    "xprop", "-id", window, "_NET_WM_STATE"))
                size = client_size(window)
                frame = settled_frame(shot, extents)
                check(f"after a {state} request the window is 169x265, its frame as before",
                      size == (169, 265) and frame[2:] == (w, h), f"client {size[0]}x{size[1]}, frame {frame}")
    except RuntimeError as error:
        check(str(error), False)
    finally:
        for process in (app, manager):
            if process is not None:
                process.terminate()
                process.wait(10)
    return results


if __name__ == "__main__":
    outcome = main(sys.argv[1], sys.argv[2])
    print(f"{sum(outcome)} passed, {len(outcome) - sum(outcome)} failed")
    sys.exit(0 if outcome and all(outcome) else 1)
