#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Acutrix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command as it would run on a desktop with a screen reader: in a D-Bus session of
# its own, on an Xvfb display, with the AT-SPI bus started and Qt registering on it.
# Exits 77 (skipped) with one line where no such bus can be started.
# Usage: session.sh COMMAND [ARGUMENT...]
set -euo pipefail

skip() {
    echo "SKIP: $*"
    exit 77
}

if [ "${ACUTRIX_IN_SESSION:-}" != 1 ]; then
    command -v Xvfb >/dev/null || skip "no Xvfb"
    command -v dbus-run-session >/dev/null || skip "no dbus-run-session"
    # A runtime folder of its own: the accessibility bus puts its socket there, and
    # another session on the same machine must not take it over.
    runtime=$(mktemp -d)
    trap 'rm -rf "$runtime"' EXIT
    # Every step below is bounded; this bounds them all together.
    status=0
    ACUTRIX_IN_SESSION=1 XDG_RUNTIME_DIR="$runtime" \
        timeout -k 10 300 dbus-run-session -- "$0" "$@" || status=$?
    exit "$status"
fi

folder=$(mktemp -d)
xvfb=""
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$folder"
}
trap cleanup EXIT

Xvfb -displayfd 3 -noreset -screen 0 1280x800x24 3>"$folder/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$folder/display" ] && break
    sleep 0.1
done
[ -s "$folder/display" ] || skip "Xvfb did not start"
DISPLAY=:$(head -n1 "$folder/display")
export DISPLAY

# The session bus starts the accessibility bus on the first question for its address.
address=""
for _ in $(seq 25); do
    address=$(timeout 5 dbus-send --session --print-reply=literal --dest=org.a11y.Bus \
        /org/a11y/bus org.a11y.Bus.GetAddress 2>/dev/null || true)
    [ -n "$address" ] && break
    sleep 0.2
done
[ -n "$address" ] || skip "no AT-SPI bus could be started"

export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset ACUTRIX_IN_SESSION
timeout 240 "$@"
