#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Acutrix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the benchmarks (Release, in build-bench/), runs every one of them and prints one
# table: each figure with its median, its spread (lower to upper quartile), its floor
# and its ratio to the floor where it has one, its budget and whether it is within
# budget. Exits non-zero when any figure is over its budget.
#
# Operations are timed on the window shown offscreen, in CPU time of the window's thread,
# alone and with their paint, at a scale factor of 1 and of 2; their budgets are
# absolute, since a frame lasts the same on every machine. Loading is budgeted as a
# ratio to reading and decoding the same file, timed in turn with it. Start-up is timed
# under Xvfb, as wall time from process start to the first painted frame, in turns with
# a bare Qt window of the same build (acutrix_bench_barewindow), at 1920x1080 and at
# 3840x2160 with QT_SCALE_FACTOR=2, and budgeted as a ratio to it; peak resident
# memory comes from /usr/bin/time.
#
# The page (bench/web.js) is timed in one run of headless Chromium: its start against a
# blank page with the same faces, Start against the page's own tiles given the same
# captions and places with no game, a click and a hover against a quarter of a frame;
# and the size of its WebAssembly and JavaScript, compressed, against 100 KB.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"

# hunspell-es: the dictionary acutrix-check reads in its figure.
scripts/install-deps.sh --web xvfb time hunspell-es

build="$root/build-bench"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DACUTRIX_BENCHMARKS=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j2 >/dev/null

work="$(mktemp -d)"
xvfb_pid=""
stop_xvfb() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    fi
}
cleanup() {
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

results="$work/results"
: >"$results"

for scale in 1 2; do
    echo "Operations, offscreen, QT_SCALE_FACTOR=$scale:" >&2
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale "$build/bench/acutrix_bench_operations" \
        2>"$work/operations.log" | grep -E '^(RESULT|RATIO)\|' >>"$results" || {
        cat "$work/operations.log" >&2
        exit 1
    }
done

echo "acutrix-check, in turns with the dictionary alone:" >&2
"$build/bench/acutrix_bench_check" 2>"$work/check.log" | grep -E '^RATIO\|' >>"$results" || {
    cat "$work/check.log" >&2
    exit 1
}

# Starts Xvfb with a screen of the given size and points DISPLAY at it.
start_xvfb() {
    rm -f "$work/display"
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 50); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    [ -s "$work/display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
    local number
    number="$(head -n1 "$work/display")"
    export DISPLAY=":$number"
}

# Median and quartiles of a column of numbers, interpolated as the benchmarks do.
quartiles() {
    sort -n | awk '
        { v[NR] = $1 }
        function q(p,   r, b) { r = p * (NR - 1); b = int(r); return v[b + 1] + (v[b + 2 > NR ? NR : b + 2] - v[b + 1]) * (r - b) }
        END { printf "%.1f|%.1f|%.1f", q(0.5), q(0.25), q(0.75) }'
}

# The first frame, in turns with the bare window's, and the ratio of each run to the
# bare window's run next to it. The first round only fills the caches, as any program
# started before would have.
runs=21
first_frames() { # screen size, scale factor, figure name
    start_xvfb "$1"
    : >"$work/acutrix"
    : >"$work/bare"
    : >"$work/rss"
    for run in $(seq 0 "$runs"); do
        (cd data && QT_SCALE_FACTOR=$2 /usr/bin/time -v -o "$work/time.txt" \
            "$build/bench/acutrix_bench_firstframe") >"$work/run.txt" 2>"$work/run.log" || {
            cat "$work/run.log" >&2
            exit 1
        }
        (cd data && QT_SCALE_FACTOR=$2 /usr/bin/time -v -o "$work/bare-time.txt" \
            "$build/bench/acutrix_bench_barewindow") \
            >"$work/bare-run.txt" 2>"$work/run.log" || {
            cat "$work/run.log" >&2
            exit 1
        }
        [ "$run" -eq 0 ] && continue
        sed -n 's/^FIRSTFRAME|//p' "$work/run.txt" >>"$work/acutrix"
        sed -n 's/^FIRSTFRAME|//p' "$work/bare-run.txt" >>"$work/bare"
        sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt" >>"$work/rss"
    done
    stop_xvfb
    local ratio floor
    # In thousandths, as quartiles keeps one decimal.
    ratio="$(paste "$work/acutrix" "$work/bare" | awk '{ print 1000 * $1 / $2 }' | quartiles)"
    ratio="$(awk -v r="${ratio%%|*}" 'BEGIN { printf "%.3f", r / 1000 }')"
    floor="$(quartiles <"$work/bare")"
    echo "RATIO|$3|$(quartiles <"$work/acutrix")|bare Qt window|${floor%%|*}|$ratio|1.10|$runs" \
        >>"$results"
}

echo "Start-up, under Xvfb, in turns with a bare Qt window:" >&2
first_frames 1920x1080x24 1 "process start to first painted frame (Xvfb, 1920×1080)"
# /usr/bin/time counts in KiB; the table shows MiB.
awk '{ printf "%.2f\n", $1 / 1024 }' "$work/rss" | quartiles >"$work/rss-summary"
echo "RESULT|peak resident memory with the sample file (Xvfb, 1920×1080)|$(cat "$work/rss-summary")|40|MiB|$runs" \
    >>"$results"
first_frames 3840x2160x24 2 \
    "process start to first painted frame (Xvfb, 3840×2160, QT_SCALE_FACTOR=2)"

echo "The page, in headless Chromium:" >&2
scripts/build-web.sh >/dev/null
web="$(cd "${WEB_BUILD_DIR:-build-web}" && pwd)"
NODE_PATH="$web/node_modules" ACUTRIX_SITE="$web/site" ACUTRIX_SOURCE_DIR="$root" \
    node bench/web.js >>"$results"

echo >&2
awk -F'|' '
    function grouped(x,   s, out) {
        s = sprintf("%.0f", x)
        out = ""
        while (length(s) > 3) {
            out = "," substr(s, length(s) - 2) out
            s = substr(s, 1, length(s) - 3)
        }
        return s out
    }
    function shown(x, unit) {
        if (unit == "MiB" || unit == "KB")
            return sprintf("%.1f %s", x, unit)
        return grouped(x) " µs"
    }
    BEGIN {
        print "| figure | median | spread (quartiles) | floor (median) | ratio to floor | budget | within budget |"
        print "|---|---:|---:|---:|---:|---:|---|"
    }
    $1 == "RESULT" {
        within = ($3 + 0 <= $6 + 0)
        unit = $7
        spread = (unit == "MiB" || unit == "KB") ? sprintf("%.1f–%.1f %s", $4, $5, unit) \
            : grouped($4) "–" grouped($5) " µs"
        printf "| %s | %s | %s | | | %s | %s |\n", $2, shown($3, unit), spread, shown($6, unit), within ? "yes" : "**no**"
    }
    $1 == "RATIO" {
        within = ($8 + 0 <= $9 + 0)
        printf "| %s | %s | %s | %s: %s | %.2f× | ≤ %.2f× | %s |\n", $2, shown($3, "us"), grouped($4) "–" grouped($5) " µs", $6, shown($7, "us"), $8, $9, within ? "yes" : "**no**"
    }
    { if (!within) over++ }
    END {
        if (over) { printf "\n%d figure(s) over budget.\n", over; exit 1 }
        printf "\nEvery figure is within its budget.\n"
    }' "$results"
