#!/usr/bin/env python3
"""The game full screen on a 1280 by 800 display, as on a handheld, played with the real
pointer.

A private Xvfb of that size with openbox (full screen needs a window manager) runs the game
with --fullscreen. The window must cover the display; the 800 by 600 game is then scaled by
4/3 and centred with bars left and right. The pointer is moved by xdotool to where each button
must appear on the display: just inside a button's corner lights it and just outside does
not, and clicks on Options, OK and Exit Game take the game there and out with code 0.

Usage: HandheldScreenTest.py GAME
"""

import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

from processes import stop, wait_for

SKIP = 77
WIDTH, HEIGHT = 1280, 800


class Session:
    def __init__(self, env, state):
        self.env, self.state = env, state

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, capture_output=True,
                              text=True).stdout

    def read(self):
        try:
            with open(self.state) as f:
                return json.load(f)
        except (OSError, ValueError):
            return None

    def screen(self, name, seconds=30):
        return wait_for(lambda: (lambda s: s if s and s["screen"]["name"] == name else None)(
            self.read()), seconds)

    def window(self):
        ids = self.xdotool("search", "--classname", "com.bexholt.Quillox").split()
        if not ids:
            return None
        geometry = self.xdotool("getwindowgeometry", ids[0])
        pos = re.search(r"Position: (\d+),(\d+)", geometry)
        size = re.search(r"Geometry: (\d+)x(\d+)", geometry)
        if not pos or not size:
            return None
        return [int(v) for v in pos.groups() + size.groups()]

    def point(self, window, x, y):
        """A canvas point on the display, through the letterbox the game must draw in."""
        wx, wy, ww, wh = window
        scale = min(ww / 800, wh / 600)
        left, top = wx + (ww - 800 * scale) / 2, wy + (wh - 600 * scale) / 2
        return round(left + (x + 0.5) * scale), round(top + (y + 0.5) * scale)

    def move(self, window, x, y):
        self.xdotool("mousemove", *[str(v) for v in self.point(window, x, y)])

    def hover(self, button):
        def lit():
            state = self.read()
            return state and state["screen"]["Buttons"][button]["hover"]
        return wait_for(lit, 3)

    def unlit(self, button):
        def dark():
            state = self.read()
            return state and state["screen"]["Buttons"][button]["hover"] == 0
        return wait_for(dark, 3)

    def click(self, window, button):
        x, y, w, h = self.read()["screen"]["Buttons"][button]["rect"]
        self.move(window, x + w // 2, y + h // 2)
        time.sleep(0.2)
        self.xdotool("click", "1")


def main():
    game = sys.argv[1]
    for program in ("Xvfb", "openbox", "xdotool"):
        if shutil.which(program) is None:
            print(f"{program} is not installed (scripts/install-deps.sh installs it): skipped")
            return SKIP
    work = tempfile.mkdtemp(prefix="quillox-handheld-")
    runtime = os.path.join(work, "run")
    os.mkdir(runtime, 0o700)
    xvfb = wm = run = None
    try:
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{WIDTH}x{HEIGHT}x24",
             "-nolisten", "tcp"], pass_fds=[write_end], stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as display_pipe:
            display = display_pipe.readline().strip()
        env = dict(os.environ, DISPLAY=":" + display, XDG_RUNTIME_DIR=runtime,
                   ALSOFT_DRIVERS="null")
        env.pop("SDL_VIDEODRIVER", None)
        env.pop("SDL_RENDER_DRIVER", None)
        # A real display's libraries keep allocations for the life of the process.
        env["ASAN_OPTIONS"] = "detect_leaks=0:abort_on_error=1"
        wm = subprocess.Popen(["openbox"], env=env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
        state = os.path.join(work, "live.json")
        script = os.path.join(work, "script.txt")
        with open(script, "w") as f:
            # The state, dumped ten times a second for a minute, is how the test sees the game.
            f.writelines(f"{tick} state {state}\n" for tick in range(20, 12000, 20))
        home = os.path.join(work, "home")
        run = subprocess.Popen(
            [game, "--fullscreen", "--data-home", home, "--screen", "title", "--player", "Hand",
             "--script", script], env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        s = Session(env, state)
        faults = []
        if not s.screen("title"):
            faults.append("the title never showed")
            raise RuntimeError
        window = wait_for(lambda: (lambda w: w if w and w[2:] == [WIDTH, HEIGHT] else None)(
            s.window()), 10) or s.window()
        if not window or window[2:] != [WIDTH, HEIGHT]:
            faults.append(f"the full-screen window is {window}, not {WIDTH}x{HEIGHT}")
            raise RuntimeError

        x, y, w, h = s.read()["screen"]["Buttons"]["OPTIONS"]["rect"]
        s.move(window, x - 3, y + h // 2)
        if not s.unlit("OPTIONS"):
            faults.append("the pointer three pixels left of Options lit it")
        s.move(window, x + 2, y + h // 2)
        if not s.hover("OPTIONS"):
            faults.append("the pointer two pixels inside Options did not light it")
        s.click(window, "OPTIONS")
        if not s.screen("options"):
            faults.append("a click on Options did not open the options")
            raise RuntimeError
        s.click(window, "OK")
        if not s.screen("title"):
            faults.append("a click on OK did not go back to the title")
            raise RuntimeError
        s.click(window, "EXITGAME")
        try:
            code = run.wait(60)
        except subprocess.TimeoutExpired:
            code = None
        if code != 0:
            faults.append(f"a click on Exit Game did not end the game cleanly (code {code})")
        if not os.path.exists(os.path.join(home, "Bexholt", "Quillox", "GoodExit.dat")):
            faults.append("no good-exit mark")
    except RuntimeError:
        pass
    finally:
        output = b""
        if run:
            stop(run)
            output = run.stdout.read()
        stop(wm)
        stop(xvfb)
        shutil.rmtree(work, ignore_errors=True)
    if faults:
        print("\n".join(faults) + "\n--- game's output ---\n" + output.decode(errors="replace"))
        return 1
    print(f"the {WIDTH}x{HEIGHT} full screen maps the pointer onto the scaled game")
    return 0


if __name__ == "__main__":
    sys.exit(main())
