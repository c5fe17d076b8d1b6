#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Acutrix developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads and plays a game window on the AT-SPI bus as a screen reader would.

Usage: play.py PROGRAM, inside session.sh, with Debian's own Python, which
python3-pyatspi installs into. The program is started in a folder of its own with a
phrase file holding the one phrase "Él está aquí.". Every wait is bounded; the first
check that fails ends the script with a line that says which.
"""

import os
import subprocess
import sys
import tempfile
import time

try:
    import pyatspi
except ImportError:
    print("SKIP: no pyatspi")
    sys.exit(77)

WAIT_SECONDS = 30


def fail(message):
    print(f"FAIL: {message}")
    sys.exit(1)


def wait_for(what, probe):
    """probe's first true result, tried until WAIT_SECONDS have passed."""
    deadline = time.monotonic() + WAIT_SECONDS
    last = None
    while time.monotonic() < deadline:
        try:
            last = probe()
        except Exception as error:  # the tree changes under a reader; ask again
            last = error
        if last and not isinstance(last, Exception):
            return last
        time.sleep(0.2)
    fail(f"{what} (last seen: {last!r})")


def fresh(accessible):
    # Never answer from what the client library kept of an earlier reading.
    accessible.clear_cache()
    return accessible


def descendants(accessible):
    for child in fresh(accessible):
        if child is None:
            continue
        yield child
        yield from descendants(child)


def action_index(accessible, name):
    action = accessible.queryAction()
    for index in range(action.nActions):
        if action.getName(index).lower() == name:
            return index
    return None


def act(accessible, name):
    index = action_index(accessible, name)
    if index is None:
        fail(f"{accessible.name!r} has no action {name!r}")
    accessible.queryAction().doAction(index)


def find_game():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower() == "acutrix":
            return app
    return None


def find_board(app):
    for accessible in descendants(app):
        if accessible.getRole() != pyatspi.ROLE_PANEL:
            continue
        if action_index(accessible, "submit") is not None:
            return accessible
    return None


def parts(board, role):
    return [child for child in fresh(board) if child.getRole() == role]


def lines(board):
    return [child.name for child in parts(board, pyatspi.ROLE_LABEL)]


def tiles(board):
    return parts(board, pyatspi.ROLE_PUSH_BUTTON)


def tile_text(board):
    return "".join(" " if tile.name == "space" else tile.name for tile in tiles(board))


def report(board):
    bars = parts(board, pyatspi.ROLE_STATUS_BAR)
    return bars[0].name if bars else None


def press_tile(board, position, caption):
    tile = tiles(board)[position]
    if tile.name != caption:
        fail(f"tile {position} reads {tile.name!r}, not {caption!r}")
    act(tile, "press")


def main():
    app = wait_for("the game on the bus", find_game)
    board = wait_for("the board, with its action submit", lambda: find_board(app))
    wait_for("the load report", lambda: " File contains :  1 phrases." in lines(board))
    print("load report:", [line for line in lines(board) if line.strip()])

    start = wait_for("the menu item Start", lambda: next(
        (item for item in descendants(app)
         if item.getRole() == pyatspi.ROLE_MENU_ITEM and item.name == "Start"), None))
    act(start, "press")
    wait_for("the tiles read as the phrase without accents",
             lambda: tile_text(board) == "El esta aqui.")
    print("tiles after Start:", [tile.name for tile in tiles(board)])
    print("board name:", repr(fresh(board).name))

    # Tile 0 stands empty before the phrase: the last "a" of "esta" is tile 7.
    press_tile(board, 7, "a")
    wait_for("the pressed tile reads á", lambda: tiles(board)[7].name == "á")
    wait_for("the pressed tile reads as selected",
             lambda: tiles(board)[7].getState().contains(pyatspi.STATE_SELECTED))
    print("after pressing tile 7:", repr(tiles(board)[7].name), "selected")

    act(board, "submit")
    wait_for("a miss in the report", lambda: "Hits   :  0" in (report(board) or ""))
    wait_for("the tiles described as a wrong answer",
             lambda: all(tile.description == "wrong answer" for tile in tiles(board)))
    print("report after a miss:", repr(report(board)))

    press_tile(board, 1, "E")
    press_tile(board, 12, "i")
    wait_for("the answer on the tiles", lambda: tile_text(board) == "Él está aquí.")
    act(board, "submit")
    wait_for("a hit in the report", lambda: "Hits   :  1" in (report(board) or ""))
    print("report after a hit:", repr(report(board)))
    wait_for("no character on the board after the last phrase", lambda: tile_text(board) == "")
    print("PASS")


def run_game(program):
    if not os.access(program, os.X_OK):
        fail(f"no program {program}")
    with tempfile.TemporaryDirectory() as folder:
        with open(os.path.join(folder, "Tilde.txt"), "w", encoding="utf-8") as phrases:
            phrases.write("Él está aquí.\n")
        game = subprocess.Popen([program], cwd=folder)
        try:
            main()
        finally:
            game.kill()
            game.wait()


if __name__ == "__main__":
    run_game(sys.argv[1])
