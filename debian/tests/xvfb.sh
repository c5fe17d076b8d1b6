# shellcheck shell=sh
# SPDX-FileCopyrightText: 2026 The Acutrix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the tests that show the game's window. The test runs again under xvfb-run,
# on a display that no X server on this machine listens on: a chroot shares the abstract
# socket names of the X servers with its host, where xvfb-run's own choice looks only at
# lock files.
if [ -z "${ACUTRIX_TEST_XVFB:-}" ]; then
    display=99
    while grep -q "@/tmp/.X11-unix/X$display\$" /proc/net/unix \
        || [ -e "/tmp/.X$display-lock" ]; do
        display=$((display + 1))
    done
    ACUTRIX_TEST_XVFB=1 exec xvfb-run -n "$display" \
        -s "-screen 0 1280x800x24 -nolisten tcp -noreset" "$0" "$@"
fi

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# shows_window PID: the process PID shows a window named Acutrix within a minute.
shows_window() {
    for _ in $(seq 120); do
        if xdotool search --all --onlyvisible --pid "$1" --name '^Acutrix$' >/dev/null 2>&1; then
            return 0
        fi
        kill -0 "$1" 2>/dev/null || return 1
        sleep 0.5
    done
    return 1
}

# stop PID: ends the game started as PID, which must still be running.
stop() {
    kill "$1" 2>/dev/null || fail "the game ended before it was stopped"
    wait "$1" || true
}
