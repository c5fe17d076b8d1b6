#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Acutrix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Prints the size of the tests against the size of the code, in code lines as cloc
# counts them. Tests: tests/ and packaging/tests/, less the fuzz inputs. Code: every
# other C++, header, shell and CMake file. Prints only; never fails.
cd "$(dirname "$0")/.." || exit 0
command -v cloc >/dev/null || { echo "test size: cloc is not installed"; exit 0; }
languages='C++,C/C++ Header,Bourne Shell,Bourne Again Shell,CMake'
count() {
    cloc --quiet --vcs=git --csv --include-lang="$languages" "$@" 2>/dev/null \
        | awk -F, '$2 != "SUM" && $1 ~ /^[0-9]+$/ {lines += $5} END {print lines + 0}'
}
tests=$(count --match-d='^(tests|packaging/tests)(/|$)' --not-match-d='/(corpus|faults)$')
all=$(count)
code=$((all - tests))
[ "$code" -gt 0 ] || { echo "test size: no code lines counted (not a git checkout?)"; exit 0; }
echo "test size: ${tests} test lines, ${code} code lines: $((100 * tests / code)) % (aim: 25-35 %)"
