#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Acutrix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Every word of the phrase files we ship is in Debian's Spanish dictionary (es_ES), or
# in the short allow-list beside this script.
# Usage: spellcheck.sh SOURCE_DIR
set -eu
cd "$1"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
command -v hunspell >/dev/null || fail "hunspell is not installed"
allowed=$(mktemp)
trap 'rm -f "$allowed"' EXIT
grep -v '^#' tests/spelling-allowlist.txt | cut -f1 > "$allowed"
unknown=$(for file in data/Tilde.txt data/sets/*/Tilde.txt; do
    iconv -f WINDOWS-1252 -t UTF-8 "$file" | hunspell -d es_ES -i UTF-8 -l
done | sort -u | grep -vxF -f "$allowed" || true)
[ -z "$unknown" ] || fail "not in the dictionary: $(echo "$unknown" | tr '\n' ' ')"
echo "spelling: ok"
