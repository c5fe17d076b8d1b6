#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Acutrix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Compares what this checkout's game shows with what another commit's shows, pixel for
# pixel, in the same states of play:
#   scripts/compare-screens.sh REFERENCE [SCALE...]
# REFERENCE is any commit (a hash, a tag, HEAD~3); the scales default to 1 and 2
# (QT_SCALE_FACTOR). Both builds are started under Xvfb with the clock frozen at the same
# moment (faketime), so that both draw the same colours and phrase order, and driven
# alike with xdotool: the load report, Help, Credits, the warning, a phrase, a clicked
# tile, a hovered tile, a hovered tile over its neighbour, a miss, a hit with its report,
# a 383-character phrase and a window narrower than the report. Each pair of
# screenshots is compared with ImageMagick's compare -metric AE (the count of differing
# pixels); the last line says whether every pair matched. The screenshots are kept in
# the folder the script names. The reference is checked out in build-reference/source
# (a git worktree) and built in build-reference/build; this checkout in build-compare/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
[ $# -ge 1 ] || { echo "usage: $0 REFERENCE [SCALE...]" >&2; exit 2; }
reference=$(git rev-parse --verify "$1^{commit}")
shift
scales=("$@")
[ ${#scales[@]} -gt 0 ] || scales=(1 2)

scripts/install-deps.sh xvfb xdotool imagemagick faketime python3

work=$(mktemp -d "${TMPDIR:-/tmp}/acutrix-compare.XXXXXX")
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    git worktree remove --force build-reference/source 2>/dev/null || true
}
trap cleanup EXIT

git worktree remove --force build-reference/source 2>/dev/null || true
git worktree add --detach build-reference/source "$reference" >/dev/null 2>&1
echo "Building the reference $reference in build-reference/ ..."
cmake -S build-reference/source -B build-reference/build -DBUILD_TESTING=OFF >/dev/null
cmake --build build-reference/build -j"$(nproc)" >/dev/null
echo "Building this checkout in build-compare/ ..."
cmake -S . -B build-compare -DBUILD_TESTING=OFF >/dev/null
cmake --build build-compare -j"$(nproc)" >/dev/null

# Screen 0 is wide; screens 1 to 4, 400 x 600 pixels at 1x, 1.25x, 1.5x and 2x, make a
# window narrower than the score report.
Xvfb :87 -noreset -screen 0 1280x800x24 -screen 1 400x600x24 -screen 2 500x750x24 \
    -screen 3 600x900x24 -screen 4 800x1200x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=:87.0
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
sleep 1

# The phrase files: Windows-1252 and UTF-8 with precomposed accents.
mkdir -p "$work/files/plain" "$work/files/accents" "$work/files/long" "$work/files/none"
printf 'uno dos tres\r\nuno dos tres\r\n' >"$work/files/plain/Tilde.txt"
printf '\xc9l est\xe1 aqu\xed con mam\xe1.\r\n' >"$work/files/accents/Tilde.txt"
python3 -c "
import sys
words = 'canci\u00f3n cami\u00f3n \u00c1ngel m\u00fasica \u00e9l est\u00e1 aqu\u00ed'.split()
text = ''
while len(text) < 383:
    text += words[len(text) % len(words)] + ' '
sys.stdout.buffer.write(text[:382].encode() + b'.\n')
" >"$work/files/long/Tilde.txt"

python3 - "$root/build-reference/build/app/acutrix" "$root/build-compare/app/acutrix" \
    "$work" "${scales[@]}" <<'PY'
"""Plays both builds into the same states and compares their screenshots."""
import os
import subprocess
import sys
import time

reference, current, work = sys.argv[1:4]
scales = sys.argv[4:]


def shot(path):
    subprocess.run(['import', '-window', 'root', path], check=True)


def xdo(*args):
    # The pointer moves on the screen the game is on.
    if args[0] == 'mousemove':
        args = ('mousemove', '--screen', os.environ['DISPLAY'][-1], *args[1:])
    subprocess.run(['xdotool', *map(str, args)], check=True)


def ink_columns(path, top, bottom, ground):
    """The x of every column with a pixel unlike the ground between the two rows."""
    ppm = subprocess.run(['convert', path, '-depth', '8', 'ppm:-'], check=True,
                         capture_output=True).stdout
    header = ppm.split(b'\n', 3)
    width = int(header[1].split()[0])
    pixels = header[3]
    columns = set()
    for y in range(top, bottom):
        row = pixels[y * width * 3:(y + 1) * width * 3]
        for x in range(width):
            if tuple(row[x * 3:x * 3 + 3]) != ground:
                columns.add(x)
    return sorted(columns)


def first_glyph(path, scale):
    """The middle of the first glyph on the tiles' first row, below the menu bar."""
    top = int(40 * scale)
    bottom = int(110 * scale)
    ppm = subprocess.run(['convert', path, '-depth', '8', 'ppm:-'], check=True,
                         capture_output=True).stdout
    header = ppm.split(b'\n', 3)
    width = int(header[1].split()[0])
    ground = tuple(header[3][(790 * width + 1270) * 3:(790 * width + 1270) * 3 + 3])
    columns = ink_columns(path, top, bottom, ground)
    end = columns[0]
    while end + 1 in columns:
        end += 1
    return (columns[0] + end) // 2, (top + bottom) // 2


def play(program, scale, state, path):
    folder = {'warning': 'none', 'long': 'long', 'hit': 'plain', 'narrow': 'plain'}
    cwd = os.path.join(work, 'files', folder.get(state, 'accents'))
    # The wall clock frozen, the monotonic clock left running for the event loop.
    env = dict(os.environ, QT_SCALE_FACTOR=scale, FAKETIME_DONT_FAKE_MONOTONIC='1')
    if state == 'narrow':
        env['DISPLAY'] = ':87.' + {'1': '1', '1.25': '2', '1.5': '3', '2': '4'}[scale]
    os.environ['DISPLAY'] = env.get('DISPLAY', ':87.0')
    game = subprocess.Popen(['faketime', '-f', '2026-12-07 12:34:56', program], cwd=cwd,
                            env=env, stderr=subprocess.DEVNULL)
    try:
        for _ in range(100):
            found = subprocess.run(['xdotool', 'search', '--onlyvisible', '--name', 'Acutrix'],
                                   capture_output=True, text=True).stdout.split()
            if found:
                break
            time.sleep(0.1)
        time.sleep(0.8)
        s = float(scale)
        menu = {'start': 24, 'help': 67, 'credits': 117}
        if state in ('help', 'credits'):
            xdo('mousemove', int(menu[state] * s), int(8 * s), 'click', 1)
        if state not in ('load', 'help', 'credits', 'warning'):
            xdo('mousemove', int(menu['start'] * s), int(8 * s), 'click', 1)
        time.sleep(0.5)
        if state in ('clicked', 'hovered', 'overlap'):
            shot(path)
            x, y = first_glyph(path, s)
            # Over the board at first, so that the move to the tile is a move onto it.
            xdo('mousemove', x, int(300 * s))
            time.sleep(0.2)
            if state == 'overlap':
                x += int(30 * s)
            xdo('mousemove', x, y)
            time.sleep(0.3)
            if state == 'clicked':
                xdo('click', 1)
        if state in ('miss', 'hit', 'narrow'):
            xdo('mousemove', int(390 * s), int(590 * s))
            xdo('key', 'Return')
        time.sleep(0.6)
        shot(path)
    finally:
        game.terminate()
        game.wait()
        time.sleep(0.3)


states = ['load', 'help', 'credits', 'warning', 'phrase', 'clicked', 'hovered', 'overlap',
          'miss', 'hit', 'long', 'narrow']
differing = 0
for scale in scales:
    for state in states:
        paths = []
        for name, program in (('reference', reference), ('current', current)):
            path = os.path.join(work, f'{state}-{scale}x-{name}.png')
            play(program, scale, state, path)
            paths.append(path)
        result = subprocess.run(['compare', '-metric', 'AE', *paths, 'null:'],
                                capture_output=True, text=True)
        pixels = result.stderr.strip().split()[0]
        print(f'{state:8} at {scale}x: {pixels} pixels differ', flush=True)
        if pixels != '0':
            differing += 1
print(f'screenshots in {work}')
print('PASS: every pair matches pixel for pixel' if differing == 0
      else f'FAIL: {differing} pair(s) differ')
sys.exit(1 if differing else 0)
PY
