#!/usr/bin/env python3
"""By ear: solves "6 by 10" with keys, hearing only the game's standard output.

The tiling comes from the solver; where each tile stands, how it is turned
and where the cursor is, the test learns from the spoken descriptions alone.
It turns each tile until the spoken shape is the one it needs, walks the
cursor by the spoken lines and columns, and expects every key to be answered
by the sentence it stands for (nothing refused) and the solved message at
the end. Ten arrows in one burst move the cursor ten cells at once; W says
the standing; descriptions stay on at the next start.
Usage (inside an X server): by_ear.py path/to/karvelon path/to/karvelon-solve
"""
import atexit
import os
import queue
import re
import subprocess
import sys
import tempfile
import threading
import time

exe, solver = (os.path.abspath(a) for a in sys.argv[1:3])
SHAPE = re.compile(r"^Tile (\d+), (\d+) by (\d+): (.*)$")
SQUARE = re.compile(r"^Square (\d+), line (\d+), column (\d+): ")


def fail(why):
    print("FAIL:", why, file=sys.stderr)
    sys.exit(1)


class Game:
    """The running game: keys in, spoken sentences out, one a line."""

    def __init__(self, config):
        env = dict(os.environ, KARVELON_MUTE="1", XDG_CONFIG_HOME=config)
        self.proc = subprocess.Popen([exe], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, env=env)
        atexit.register(self.end)
        self.lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^KARVELON$"],
                       check=True, capture_output=True, timeout=20)
        # Without a window manager the keyboard follows the pointer.
        subprocess.run(["xdotool", "sleep", "1", "mousemove", "5", "1075"], check=True)

    def _read(self):
        for line in self.proc.stdout:
            self.lines.put(line.rstrip("\n"))

    def keys(self, *names):
        subprocess.run(["xdotool", "key", *names], check=True)

    heard = 0

    def hear(self, after):
        Game.heard += 1
        try:
            return self.lines.get(timeout=15)
        except queue.Empty:
            fail(f"nothing said after {after}")

    def end(self):
        self.proc.kill()
        self.proc.wait()


def cells_of_letter(rows, letter):
    cells = {(r, c) for r, row in enumerate(rows) for c, ch in enumerate(row) if ch == letter}
    top, left = min(r for r, _ in cells), min(c for _, c in cells)
    return {(r - top, c - left) for r, c in cells}, (top, left)


def shape_of(said, tile, after):
    m = SHAPE.match(said)
    if not m or int(m.group(1)) != tile:
        fail(f"after {after}: expected tile {tile}'s shape, heard '{said}'")
    lines = m.group(4).split("; ")
    if len(lines) != int(m.group(2)) or any(len(l.split()) != int(m.group(3)) for l in lines):
        fail(f"the shape does not match its size: '{said}'")
    return {(r, c) for r, l in enumerate(lines) for c, w in enumerate(l.split()) if w == "filled"}


def heard_square(game, after):
    said = game.hear(after)
    m = SQUARE.match(said)
    if not m:
        fail(f"after {after}: expected a square, heard '{said}'")
    return int(m.group(2)), int(m.group(3))


def main():
    tiling = subprocess.run([solver, "--box", "6x10"], check=True, capture_output=True, text=True).stdout.split()
    with open(os.path.join(os.path.dirname(exe), "OBJECTS.TXT"), encoding="latin-1") as f:
        solved = f.read().splitlines()[35][17:61].strip()
    config = tempfile.TemporaryDirectory()
    game = Game(config.name)
    game.keys("d")
    if (said := game.hear("D")) != "Descriptions on":
        fail(f"D said '{said}'")

    # A burst of ten arrows: ten cells, all said, none waiting for the last.
    start = time.monotonic()
    game.keys(*["Right"] * 5, *["Down"] * 5)
    for _ in range(10):
        at = heard_square(game, "the burst")
    if at != (5, 5) or time.monotonic() - start > 5:
        fail(f"the burst ended at {at} after {time.monotonic() - start:.1f} s")

    letters = sorted(set("".join(tiling)))
    for tile, letter in enumerate(letters):
        goal, (top, left) = cells_of_letter(tiling, letter)
        shape = None
        for _ in range(len(letters)):
            game.keys("Tab")
            said = game.hear("Tab")
            if said.startswith(f"Tile {tile}, "):
                shape = shape_of(said, tile, "Tab")
                break
            if not SHAPE.match(said):
                fail(f"Tab said '{said}'")
        if shape is None:
            fail(f"Tab never selected tile {tile}")
        # Four turns right, a mirroring, three more: every orientation once.
        for turn in ["r", "r", "r", "r", "f", "r", "r", "r", None]:
            if shape == goal or turn is None:
                break
            game.keys(turn)
            shape = shape_of(game.hear(turn), tile, turn)
        if shape != goal:
            fail(f"no turn of tile {tile} gives {sorted(goal)}")
        while at != (top, left):
            moves = (["Down"] * (top - at[0]) + ["Up"] * (at[0] - top) +
                     ["Right"] * (left - at[1]) + ["Left"] * (at[1] - left))
            game.keys(*moves)
            for key in moves:
                at = heard_square(game, key)
        game.keys("Return")
        if (said := game.hear("Enter")) != f"Tile {tile} set at square {top * 10 + left}":
            fail(f"Enter with tile {tile} at line {top}, column {left} said '{said}'")
    if (said := game.hear("the last tile")) != solved:
        fail(f"expected '{solved}', heard '{said}'")
    game.keys("w")
    if (said := game.hear("W")) != "60 of 60 squares covered. Tiles left: none":
        fail(f"W said '{said}'")
    game.end()

    # Descriptions were left on: the next start says the cursor's cell.
    game = Game(config.name)
    game.keys("Right")
    if (said := game.hear("Right after a new start")) != "Square 1, line 0, column 1: free":
        fail(f"a new start said '{said}'")
    game.end()
    print(f"by ear e2e: passed, {Game.heard} sentences heard")


main()
