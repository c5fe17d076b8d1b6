#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Acutrix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The layout of the C++ files under FOLDER (the source tree): no line over 100 columns,
# counted in characters, and, where clang-format is installed, every file as it lays it
# out by .clang-format. The files are those git tracks, or outside a git checkout every
# .cpp and .h but those of build folders.
set -eu
cd "$1"
list=$(mktemp)
trap 'rm -f "$list"' EXIT
if ! git ls-files -z -- '*.cpp' '*.h' >"$list" 2>/dev/null || [ ! -s "$list" ]; then
    find . \( -name .git -o -type d -name 'build*' \) -prune -o -type f \
        \( -name '*.cpp' -o -name '*.h' \) -print0 >"$list"
fi
# grep's "." is a character in a UTF-8 locale; it exits 1 when it finds no such line.
status=0
xargs -0 env LC_ALL=C.UTF-8 grep -nE '^.{101,}' <"$list" && status=1
if command -v clang-format >/dev/null; then
    xargs -0 clang-format --dry-run -Werror <"$list" || status=1
else
    echo "clang-format is not installed: only the line width is checked"
fi
exit "$status"
