#!/usr/bin/env python3
"""Makes the screenshots the software-centre metadata shows, by playing the game headless.

    scripts/screenshots.py [BINARY] [FOLDER]    (default: build/quillox into dist/screenshots)

Writes title.png (the title screen) and, from a short game on level 3, move.png (a zindle
picked up) and play.png (the board after a few moves, the machine filling). The moves are
found from the game's own state dumps: a run is replayed with one move more each time, and the
seed and the fixed steps per frame make every replay reach the same board.
"""
import collections
import json
import os
import shutil
import subprocess
import sys
import tempfile

SEED = 7
LEVEL = 3
FILL = 70  # a machine that fills as the journey goes on
MOVES = 4
MOVE_TICKS = 150  # long enough for a piece to travel and the next three to be dealt


def run_game(binary, work, args, lines):
    """Runs the game headless, with its own runtime folder and a fresh data home."""
    home = os.path.join(work, "home")
    shutil.rmtree(home, ignore_errors=True)
    runtime = os.path.join(work, "xdg")
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    script = os.path.join(work, "script.txt")
    with open(script, "w") as f:
        f.write("\n".join(lines) + "\n")
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime, SDL_VIDEODRIVER="dummy",
               SDL_RENDER_DRIVER="software", ALSOFT_DRIVERS="null")
    subprocess.run([binary, "--headless", "--data-home", home, "--ticks-per-frame", "1",
                    "--seed", str(SEED), "--player", "Ann", "--script", script] + args,
                   env=env, check=True, stdout=subprocess.DEVNULL)


def board_state(binary, work, lines, tick):
    dump = os.path.join(work, "state.json")
    run_game(binary, work, ["--level", str(LEVEL), "--fill", str(FILL)],
             lines + [f"{tick} state {dump}", f"{tick + 1} quit"])
    with open(dump) as f:
        return json.load(f)["screen"]


def reachable(board, start):
    """The empty cells a piece at start can travel to (up, down, left, right)."""
    size = len(board)
    seen = {start}
    queue = collections.deque([start])
    while queue:
        x, y = queue.popleft()
        for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
            if 0 <= nx < size and 0 <= ny < size and (nx, ny) not in seen and not board[nx][ny]:
                seen.add((nx, ny))
                queue.append((nx, ny))
    seen.discard(start)
    return seen


def plan_move(board):
    """A move that puts a piece beside another of its flavour, else any move that can be made."""
    size = len(board)
    best = None
    for x in range(size):
        for y in range(size):
            if not board[x][y]:
                continue
            for tx, ty in sorted(reachable(board, (x, y))):
                friends = sum(1 for nx, ny in ((tx + 1, ty), (tx - 1, ty), (tx, ty + 1),
                                               (tx, ty - 1))
                              if 0 <= nx < size and 0 <= ny < size and (nx, ny) != (x, y)
                              and board[nx][ny] == board[x][y])
                if best is None or friends > best[0]:
                    best = (friends, (x, y), (tx, ty))
    if best is None:
        sys.exit("no move can be made on the board")
    return best[1], best[2]


def centre(cells, cell):
    half = cells["Size"] // 2
    size = cells["Size"]
    return cells["Left"] + cell[0] * size + half, cells["Top"] + cell[1] * size + half


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    args = sys.argv[1:] + [None] * 2
    binary = os.path.abspath(args[0] or os.path.join(root, "build", "quillox"))
    folder = os.path.abspath(args[1] or os.path.join(root, "dist", "screenshots"))
    os.makedirs(folder, exist_ok=True)
    with tempfile.TemporaryDirectory() as work:
        # The title screen, with the pointer moved off the buttons.
        title = os.path.join(folder, "title.png")
        run_game(binary, work, ["--screen", "title"],
                 ["100 move 150 560", f"150 screenshot {title}", "151 quit"])

        lines = []
        tick = 50
        for _ in range(MOVES):
            screen = board_state(binary, work, lines, tick)
            piece, target = plan_move(screen["Board"])
            lines.append("%d click %d %d" % ((tick,) + centre(screen["Cells"], piece)))
            lines.append("%d click %d %d" % ((tick + 20,) + centre(screen["Cells"], target)))
            tick += MOVE_TICKS
        screen = board_state(binary, work, lines, tick)
        piece, _ = plan_move(screen["Board"])
        x, y = centre(screen["Cells"], piece)
        move = os.path.join(folder, "move.png")
        play = os.path.join(folder, "play.png")
        run_game(binary, work, ["--level", str(LEVEL), "--fill", str(FILL)],
                 lines + [f"{tick - 30} screenshot {play}", f"{tick} click {x} {y}",
                          f"{tick + 40} move 780 580", f"{tick + 60} screenshot {move}",
                          f"{tick + 61} quit"])
    for name in ("title.png", "move.png", "play.png"):
        print(os.path.join(folder, name))


if __name__ == "__main__":
    main()
