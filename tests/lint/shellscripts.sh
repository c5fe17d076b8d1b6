#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Acutrix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Every shell script under FOLDER (the source tree) passes ShellCheck; skipped (77) where
# ShellCheck is not installed.
set -eu
command -v shellcheck >/dev/null || { echo "shellcheck is not installed"; exit 77; }
cd "$1"
list=$(mktemp)
trap 'rm -f "$list"' EXIT
find . \( -name .git -o -type d \( -name 'build*' -o -name 'obj-*' -o -name node_modules \) \) \
    -prune -o -type f \( -name '*.sh' -o -path ./.ci/run -o -path ./packaging/acutrix-launcher.in \
    -o -path './debian/tests/*' ! -name control \) -print0 >"$list"
grep -qzx ./packaging/acutrix-launcher.in "$list" || { echo "no scripts in $PWD"; exit 1; }
xargs -0 shellcheck <"$list"
