#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Acutrix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Plays the game on a one-phrase file through the AT-SPI bus with play.py, as a screen
# reader would. Run it inside session.sh. Usage: play.sh PROGRAM
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# Debian's own Python, which python3-pyatspi installs into.
python=/usr/bin/python3
"$python" -c 'import pyatspi' 2>/dev/null || {
    echo "SKIP: no pyatspi"
    exit 77
}

[ -x "$1" ] || {
    echo "FAIL: no program $1"
    exit 1
}

folder=$(mktemp -d)
game=""
cleanup() {
    [ -n "$game" ] && kill "$game" 2>/dev/null
    rm -rf "$folder"
}
trap cleanup EXIT

printf '\xc3\x89l est\xc3\xa1 aqu\xc3\xad.\n' >"$folder/Tilde.txt"
(cd "$folder" && exec "$1") &
game=$!
"$python" "$here/play.py"
