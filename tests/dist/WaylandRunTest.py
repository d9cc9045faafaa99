#!/usr/bin/env python3
"""The game on a Wayland compositor, with SDL's wayland video driver.

Weston runs on its X11 backend inside a private Xvfb: its headless backend offers clients no
seat, and Debian 12's SDL stops inside SDL_Init without one. The game plays a short script
there and must draw (its screenshot is not one flat colour), name itself to the compositor by
the application id that its launcher and icon carry, show frames on its surface, and end with
code 0 and a good-exit mark. Skipped, with a message, where Weston or Xvfb is not installed.

Usage: WaylandRunTest.py GAME APP_ID
"""

import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

from processes import stop, wait_for

SKIP = 77


def png_rows(path):
    """The filtered scanline bytes of a PNG (enough to tell a flat picture from a drawn one)."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        return b""
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        if kind == b"IDAT":
            idat += data[pos + 8:pos + 8 + length]
        pos += 12 + length
    return zlib.decompress(idat)


def main():
    game, app_id = sys.argv[1], sys.argv[2]
    for program in ("weston", "Xvfb"):
        if shutil.which(program) is None:
            print(f"{program} is not installed (scripts/install-deps.sh installs it): skipped")
            return SKIP
    work = tempfile.mkdtemp(prefix="quillox-wayland-")
    runtime = os.path.join(work, "run")
    os.mkdir(runtime, 0o700)
    xvfb = weston = None
    try:
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x800x24", "-nolisten",
             "tcp"], pass_fds=[write_end], stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as display_pipe:
            display = display_pipe.readline().strip()
        if not display:
            print("Xvfb did not start")
            return 1
        env = dict(os.environ, DISPLAY=":" + display, XDG_RUNTIME_DIR=runtime)
        socket = "quillox-test"
        with open(os.path.join(work, "weston.log"), "w") as log:
            weston = subprocess.Popen(
                ["weston", "--backend=x11-backend.so", "--no-config", "--socket=" + socket,
                 "--idle-time=0", "--width=1280", "--height=800"],
                env=env, stdout=log, stderr=subprocess.STDOUT)
        if not wait_for(lambda: os.path.exists(os.path.join(runtime, socket)), 20):
            print("weston did not start:\n" + open(os.path.join(work, "weston.log")).read())
            return 1

        shot = os.path.join(work, "title.png")
        script = os.path.join(work, "script.txt")
        with open(script, "w") as f:
            f.write(f"60 screenshot {shot}\n70 quit\n")
        game_env = dict(env, SDL_VIDEODRIVER="wayland", WAYLAND_DISPLAY=socket, WAYLAND_DEBUG="1")
        del game_env["DISPLAY"]  # nothing may fall back to the X server underneath
        game_env.pop("SDL_RENDER_DRIVER", None)
        # The compositor's client libraries keep a few allocations for the life of the process;
        # the headless runs keep the leak check on the game's own code.
        game_env["ASAN_OPTIONS"] = "detect_leaks=0:abort_on_error=1"
        home = os.path.join(work, "home")
        run = subprocess.run(
            [game, "--windowed", "--data-home", home, "--screen", "title", "--player", "Way",
             "--ticks-per-frame", "1", "--script", script],
            env=game_env, stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=180)
        log = run.stderr.decode(errors="replace")

        faults = []
        if run.returncode != 0:
            faults.append(f"the game ended with code {run.returncode}")
        if not os.path.exists(os.path.join(home, "Bexholt", "Quillox", "GoodExit.dat")):
            faults.append("no good-exit mark: the game did not end cleanly")
        if not re.search(r'xdg_toplevel@\d+\.set_app_id\("' + re.escape(app_id) + r'"\)', log):
            faults.append(f"the window never set the application id {app_id}")
        if not re.search(r"wl_surface@\d+\.attach", log) or \
                not re.search(r"wl_surface@\d+\.commit", log):
            faults.append("no frame was shown on a Wayland surface")
        rows = png_rows(shot) if os.path.exists(shot) else b""
        if len(set(rows)) < 32:
            faults.append("the screenshot is missing or flat")
        if faults:
            tail = "\n".join(line for line in log.splitlines() if not line.startswith("["))
            print("\n".join(faults) + "\n--- game's messages ---\n" + tail[-4000:])
            return 1
        print(f"drew on Wayland display {socket} as {app_id}; ended cleanly")
        return 0
    finally:
        stop(weston)
        stop(xvfb)
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
