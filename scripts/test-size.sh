#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Acutrix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Prints the size of the tests against the size of the code, in code lines as cloc counts
# them, and the average characters per non-blank line of each (indentation and comments
# included), so that packed lines show. Tests: tests/, packaging/tests/ and web/tests/, less
# the fuzz inputs. Code: every other C++, header, shell and CMake file. The files are those git
# tracks, or outside a git checkout all but the build folders. Prints only; never fails.
cd "$(dirname "$0")/.." || exit 0
command -v cloc >/dev/null || { echo "test size: cloc is not installed"; exit 0; }
languages='C++,C/C++ Header,Bourne Shell,Bourne Again Shell,CMake'
work=$(mktemp -d) || exit 0
trap 'rm -rf "$work"' EXIT

if ! git ls-files >"$work/all" 2>/dev/null || [ ! -s "$work/all" ]; then
    find . \( -name '.git' -o -path './build*' \) -prune -o -type f -print \
        | sed 's|^\./||' >"$work/all"
fi
grep -E '^(tests|packaging/tests|web/tests)/' "$work/all" | grep -Ev '/(corpus|faults)/' >"$work/tests"
grep -vxF -f "$work/tests" "$work/all" >"$work/code"

# measure LIST: prints "LINES AVERAGE" for the files of LIST that cloc counts. The columns
# of cloc's CSV differ between versions (1.96 and 2.x), so they are found by their names in
# the header line.
measure() {
    local lines width=0
    lines=$(cloc --quiet --csv --by-file --include-lang="$languages" --list-file="$1" 2>/dev/null \
        | awk -F, -v files="$1.counted" '
            { for (i = 1; i <= NF; ++i) gsub(/^[ "]+|[ "]+$/, "", $i) }
            !code {
                for (i = 1; i <= NF; ++i) {
                    if ($i == "code") code = i
                    if ($i == "filename") name = i
                }
                next
            }
            $code ~ /^[0-9]+$/ && $name != "" && $name != "SUM" {
                lines += $code
                print $name > files
            }
            END { print lines + 0 }')
    if [ -s "$1.counted" ]; then
        width=$(tr '\n' '\0' <"$1.counted" | xargs -0 grep -hv '^[[:space:]]*$' \
            | LC_ALL=C.UTF-8 wc -lm | awk '{ print $1 ? int(($2 - $1) / $1 + 0.5) : 0 }')
    fi
    echo "$lines $width"
}

read -r tests testWidth < <(measure "$work/tests")
read -r code codeWidth < <(measure "$work/code")
[ "${code:-0}" -gt 0 ] || { echo "test size: no code lines counted (is cloc working?)"; exit 0; }
echo "test size: ${tests} test lines, ${code} code lines: $((100 * tests / code)) % (aim: 25-35 %)"
echo "characters per non-blank line: tests ${testWidth}, code ${codeWidth}"
