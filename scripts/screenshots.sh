#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Acutrix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Plays Acutrix for real under Xvfb, as a new player would, and saves the screenshots
# shown in the README:
#   docs/first-start.png  the first start from the installed tree: the load report of
#                         the sample file the launcher copied into the data folder
#   docs/miss.png         a miss: every tile tinted pale yellow, the score line in red
#   docs/answer.png       the accents put back by clicking, the last tile clicked in cyan
#   docs/hit.png          after a hit: the next phrase and the score line with the hits
#   docs/scale2.png       the same miss at a scale factor of 2 (QT_SCALE_FACTOR=2)
# xdotool moves the mouse and presses the keys; where the menu items and tiles are is
# read off the screenshots themselves. Each step waits until the screen shows what it
# should bring about and the script stops with an error if it never does, so a run that
# finishes has also checked the game end to end. At scale 2 every line of text, tile and
# the score line must stand at twice its place and size at scale 1.
# Builds in build-shots/; installs xvfb, xauth, xdotool, imagemagick and python3.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/install-deps.sh xvfb xauth xdotool imagemagick python3
BUILD_DIR=build-shots scripts/build.sh -DBUILD_TESTING=OFF

work=$(mktemp -d "${TMPDIR:-/tmp}/acutrix-shots.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p docs

# The installed tree, under a /usr of its own.
cmake --install build-shots --prefix "$work/root/usr" > "$work/install.log" \
    || { cat "$work/install.log" >&2; exit 1; }

# A fixed game: the same phrase three times, so the order of play does not matter.
mkdir -p "$work/game"
printf '\xc3\x89l est\xc3\xa1 aqu\xc3\xad.\n%.0s' 1 2 3 > "$work/game/Tilde.txt"

cat > "$work/drive.py" <<'PY'
"""Plays Acutrix under X as a player would: xdotool moves the mouse and presses keys,
and each step waits until the screen shows what the step should bring about. Where the
tiles and menu items are is found on the screenshots themselves, not assumed."""

import atexit
import json
import os
import subprocess
import sys
import time
from collections import Counter

WHITE = (255, 255, 255)
PALE_YELLOW = (255, 255, 128)
CYAN = (0, 192, 192)
RED = (255, 0, 0)
YELLOW = (255, 255, 0)
INK = 90  # how far a pixel's colour must be from the ground's to count as ink


class Screen:
    """One screenshot of the whole X screen."""

    def __init__(self):
        data = subprocess.run(['import', '-window', 'root', '-depth', '8', 'ppm:-'],
                              check=True, capture_output=True).stdout
        fields, pos = [], 0
        while len(fields) < 4:
            while data[pos:pos + 1].isspace():
                pos += 1
            start = pos
            while not data[pos:pos + 1].isspace():
                pos += 1
            fields.append(data[start:pos])
        self.width, self.height = int(fields[1]), int(fields[2])
        self.ppm = data[:pos + 1 + self.width * self.height * 3]
        self.pixels = data[pos + 1:]
        # The text panel fills the window below the menu bar; its far corner is ground.
        self.ground = self.pixel(self.width - 1, self.height - 1)

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.pixels[i:i + 3])

    def row(self, y):
        return self.pixels[y * self.width * 3:(y + 1) * self.width * 3]

    def is_ink(self, x, y, ground):
        return sum(abs(a - b) for a, b in zip(self.pixel(x, y), ground)) > INK

    def ink_rows(self, y0, y1, ground):
        plain = bytes(ground) * self.width
        return [y for y in range(y0, y1) if self.row(y) != plain
                and any(self.is_ink(x, y, ground) for x in range(self.width))]

    def ink_columns(self, y0, y1, ground):
        return sorted({x for y in range(y0, y1) for x in range(self.width) if self.is_ink(x, y, ground)})

    def ink_colour(self, x0, x1, y0, y1, ground):
        """The commonest colour among the ink pixels of a box: the colour of its text."""
        counts = Counter(self.pixel(x, y) for y in range(y0, y1) for x in range(x0, x1)
                         if self.is_ink(x, y, ground))
        return counts.most_common(1)[0][0] if counts else None

    def save(self, path):
        subprocess.run(['convert', 'ppm:-', '-strip', '-define', 'png:exclude-chunks=date,time', path],
                       input=self.ppm, check=True)


def spans(values, gap):
    """Groups sorted numbers into (first, last) spans whose steps are at most gap."""
    groups = []
    for v in values:
        if groups and v - groups[-1][1] <= gap:
            groups[-1][1] = v
        else:
            groups.append([v, v])
    return [tuple(g) for g in groups]


def near(colour, wanted, tolerance=24):
    return colour is not None and all(abs(a - b) <= tolerance for a, b in zip(colour, wanted))


class Window:
    """What the game window shows on one screenshot: menu bar, text lines, tiles, report."""

    def __init__(self, screen, scale):
        self.screen = screen
        self.scale = scale
        ground = screen.ground
        plain = bytes(ground) * screen.width
        self.menu_bottom = next(y for y in range(screen.height) if screen.row(y) == plain)
        rows = screen.ink_rows(self.menu_bottom, screen.height, ground)
        # Text lines: rows of ink with no blank row between them.
        self.lines = spans(rows, 1)
        # Tile rows and the report: the accents stand a little above their letters.
        self.blocks = spans(rows, 10 * scale)

    def menu_items(self):
        s, bar = self.screen, self.menu_bottom
        ground = s.pixel(s.width - 1, bar // 2)
        columns = s.ink_columns(bar // 4, bar - bar // 4, ground)
        return [((a + b) // 2, bar // 2) for a, b in spans(columns, bar // 3)]

    def tiles(self):
        """The letters of the first row of tiles: (left, right) of each, and the row's top and bottom."""
        if not hasattr(self, '_tiles'):
            top, bottom = self.blocks[0]
            columns = self.screen.ink_columns(top, bottom + 1, self.screen.ground)
            self._tiles = spans(columns, 1), top, bottom
        return self._tiles

    def tile_colour(self, letter, top, bottom):
        return self.screen.ink_colour(letter[0], letter[1] + 1, top, bottom + 1, self.screen.ground)

    def report(self):
        """The score line's box and text colour, once it is shown below the tiles."""
        if len(self.blocks) < 2:
            return None
        top, bottom = self.blocks[-1]
        columns = self.screen.ink_columns(top, bottom + 1, self.screen.ground)
        box = (columns[0], top, columns[-1], bottom)
        return box, self.screen.ink_colour(box[0], box[2] + 1, top, bottom + 1, self.screen.ground)


def wait_for(what, check, scale, timeout=30):
    """Takes screenshots until check(window) gives something, and returns that."""
    deadline = time.monotonic() + timeout
    while True:
        window = Window(Screen(), scale)
        try:
            result = check(window)
        except (StopIteration, IndexError):
            result = None
        if result:
            return window, result
        if time.monotonic() > deadline:
            window.screen.save(os.path.join(os.environ.get('SHOTS_FAILED_DIR', '.'), 'failed.png'))
            sys.exit(f'screenshots: the window never showed {what}')
        time.sleep(0.2)


def xdotool(*args):
    subprocess.run(['xdotool', *map(str, args)], check=True)


def click(x, y):
    xdotool('mousemove', '--sync', x, y, 'click', 1)


def double_click(x, y):
    xdotool('mousemove', '--sync', x, y, 'click', '--repeat', 2, '--delay', 80, 1)


def centre(letter):
    return (letter[0] + letter[1]) // 2


class Game:
    """One run of a program under X, ended when the game is over."""

    def __init__(self, command, folder, scale, env=None):
        environment = dict(os.environ, **(env or {}))
        if scale != 1:
            environment['QT_SCALE_FACTOR'] = str(scale)
        self.scale = scale
        self.process = subprocess.Popen(command, cwd=folder, env=environment,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # The game never ends by itself: it is ended here, even when a step fails.
        atexit.register(self.end)

    def wait(self, what, check, timeout=30):
        if self.process.poll() is not None:
            sys.exit(f'screenshots: the program ended before showing {what}')
        return wait_for(what, check, self.scale, timeout)

    def loaded(self):
        """Waits for the load report: four lines of text (the warning has five)."""
        return self.wait('the load report', lambda w: len(w.lines) == 4 and w.menu_items())[0]

    def end(self):
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait()


def first_start(launcher, home, sample, shot):
    """The launcher of the unpacked package, started twice in a new home folder."""
    env = {'HOME': home}
    os.environ.pop('XDG_DATA_HOME', None)
    phrases = os.path.join(home, '.local', 'share', 'acutrix', 'Tilde.txt')
    game = Game([launcher], '/', 1, env)
    window = game.loaded()
    game.end()
    with open(phrases, 'rb') as mine, open(sample, 'rb') as theirs:
        if mine.read() != theirs.read():
            sys.exit('screenshots: the first start did not copy the sample phrase file')
    window.screen.save(shot)
    first_count = window.screen.ink_columns(*window.lines[1], window.screen.ground)[-1]

    # The player writes phrases of their own; the next start reads them as they are.
    own = 'Mi frase.\nOtra frase más.\n'.encode()
    with open(phrases, 'wb') as f:
        f.write(own)
    game = Game([launcher], '/', 1, env)
    window = game.loaded()
    game.end()
    with open(phrases, 'rb') as f:
        if f.read() != own:
            sys.exit("screenshots: the second start changed the player's phrase file")
    # "File contains :  98 phrases." the first time, "2 phrases." the second.
    if window.screen.ink_columns(*window.lines[1], window.screen.ground)[-1] >= first_count:
        sys.exit("screenshots: the second start did not load the player's phrases")
    print('first start: the sample copied and loaded; second start: the own file kept and loaded')


def play(program, folder, scale, shots):
    """Start, a miss, the missing accent, a hit, a right answer, a hit. Returns where
    the text, the tiles and the score line stood."""
    geometry = {}
    game = Game([program], folder, scale)
    window = game.loaded()
    geometry['lines'] = window.lines
    geometry['menu'] = window.menu_bottom

    click(*window.menu_items()[0])  # Start

    def fresh(w):
        """A new board: the eleven letters of the phrase, all of them white."""
        letters, top, bottom = w.tiles()
        if len(letters) == 11 and all(near(w.tile_colour(l, top, bottom), WHITE) for l in letters):
            return w.tiles()
        return None

    window, (letters, top, bottom) = game.wait('the first phrase on white tiles', fresh)
    geometry['letters'], geometry['tiles'] = letters, (top, bottom)
    # "El esta aqui.": the letters E l e s t a a q u i . and the accents go on 0, 5 and 9.
    row = (top + bottom) // 2
    ground_y = bottom + (window.screen.height - bottom) // 3
    ground_x = window.screen.width * 3 // 4

    def colours(w):
        return [w.tile_colour(l, top, bottom) for l in letters]

    # The player puts two of the three accents back and presses Enter.
    for tile in (0, 5):
        click(centre(letters[tile]), row)
    game.wait('the accents on É and á', lambda w: w.blocks[0][0] < top
              and near(colours(w)[5], CYAN) and near(colours(w)[0], WHITE))
    xdotool('key', 'Return')
    window, report = game.wait('a miss', lambda w: all(near(c, PALE_YELLOW) for c in colours(w))
                               and w.report() and near(w.report()[1], RED) and w.report())
    geometry['report'] = report[0]
    window.screen.save(shots['miss'])

    # The missing accent, and a double-click on the background: a hit, and the phrase again.
    click(centre(letters[9]), row)
    game.wait('the accent on í', lambda w: near(colours(w)[9], CYAN))
    if window.screen.pixel(ground_x, ground_y) != window.screen.ground:
        sys.exit('screenshots: no background to double-click')
    double_click(ground_x, ground_y)
    game.wait('a hit and the next phrase', lambda w: fresh(w) and w.report()
              and w.report()[0] != report[0] and near(w.report()[1], RED))

    if 'hit' in shots:
        # The next one answered right at once.
        for tile in (0, 5, 9):
            click(centre(letters[tile]), row)
        window, _ = game.wait('the three accents', lambda w: near(colours(w)[9], CYAN)
                              and all(near(colours(w)[t], WHITE) for t in (0, 5)))
        window.screen.save(shots['answer'])
        double_click(ground_x, ground_y)
        window, _ = game.wait('a second hit', lambda w: fresh(w) and w.report()
                              and near(w.report()[1], YELLOW))
        window.screen.save(shots['hit'])
    game.end()
    return geometry


def compare(single, double):
    """Everything at scale 2 stands at twice its place and size at scale 1."""
    def pairs(a, b):
        if isinstance(a, (list, tuple)):
            if len(a) != len(b):
                sys.exit(f'screenshots: at scale 2 there are {len(b)} parts where scale 1 has {len(a)}')
            for x, y in zip(a, b):
                yield from pairs(x, y)
        else:
            yield a, b
    worst = 0
    for key in single:
        for a, b in pairs(single[key], double[key]):
            off = abs(b - 2 * a)
            worst = max(worst, off)
            if off > max(6, 0.04 * b):
                sys.exit(f'screenshots: at scale 2 the {key} stand at {double[key]}, at scale 1 at {single[key]}')
    print(f'scale 2: text, tiles and score line in proportion (at most {worst} px off twice their place)')


if __name__ == '__main__':
    mode = sys.argv[1]
    if mode == 'first-start':
        first_start(*sys.argv[2:6])
    else:
        program, folder, scale, out, docs = sys.argv[2], sys.argv[3], int(sys.argv[4]), sys.argv[5], sys.argv[6]
        if scale == 1:
            shots = {k: os.path.join(docs, k + '.png') for k in ('miss', 'answer', 'hit')}
        else:
            shots = {'miss': os.path.join(docs, f'scale{scale}.png')}
        geometry = play(program, folder, scale, shots)
        with open(out, 'w') as f:
            json.dump(geometry, f)
        if scale != 1:
            with open(os.path.join(os.path.dirname(out), 'scale1.json')) as f:
                compare(json.load(f), geometry)
PY

# Each run has a screen of its own, of 1024 x 600 points.
export SHOTS_FAILED_DIR="$root/build-shots"
on_screen() {
    local size=$1
    shift
    xvfb-run -a -s "-screen 0 ${size}x24 -nolisten tcp" python3 "$work/drive.py" "$@"
}
on_screen 1024x600 first-start "$work/root/usr/bin/acutrix-launcher" "$work/home" \
    "$work/root/usr/share/acutrix/Tilde.txt" docs/first-start.png
on_screen 1024x600 play "$root/build-shots/app/acutrix" "$work/game" 1 "$work/scale1.json" docs
on_screen 2048x1200 play "$root/build-shots/app/acutrix" "$work/game" 2 "$work/scale2.json" docs
echo "Screenshots saved in docs/: first-start.png miss.png answer.png hit.png scale2.png"
