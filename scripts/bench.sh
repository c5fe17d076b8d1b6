#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Acutrix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the benchmarks (Release, in build-bench/), runs every one of them and prints one
# table: each figure with its median, its spread (lower to upper quartile), its budget
# and whether it is within budget. Exits non-zero when any figure is over its budget.
#
# Operations are timed on the window shown offscreen, in CPU time of the window's thread.
# Start-up is timed under Xvfb, as wall time from process start to the first painted
# frame, over several whole-process runs; peak resident memory comes from /usr/bin/time.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"

scripts/install-deps.sh xvfb time

build="$root/build-bench"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DACUTRIX_BENCHMARKS=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j2 >/dev/null

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

results="$work/results"
: >"$results"

echo "Operations, offscreen:" >&2
QT_QPA_PLATFORM=offscreen "$build/bench/acutrix_bench_operations" 2>"$work/operations.log" | grep '^RESULT|' >>"$results" || {
    cat "$work/operations.log" >&2
    exit 1
}

echo "Start-up, under Xvfb:" >&2
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 50); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

runs=15
: >"$work/firstframe"
: >"$work/rss"
# The first run only fills the caches, as any program started before it would have.
for run in $(seq 0 "$runs"); do
    (cd data && /usr/bin/time -v -o "$work/time.txt" "$build/bench/acutrix_bench_firstframe") >"$work/run.txt" 2>"$work/run.log" || {
        cat "$work/run.log" >&2
        exit 1
    }
    [ "$run" -eq 0 ] && continue
    sed -n 's/^FIRSTFRAME|//p' "$work/run.txt" >>"$work/firstframe"
    sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt" >>"$work/rss"
done

# Median and quartiles of a column of numbers, interpolated as the benchmarks do.
quartiles() {
    sort -n | awk '
        { v[NR] = $1 }
        function q(p,   r, b) { r = p * (NR - 1); b = int(r); return v[b + 1] + (v[b + 2 > NR ? NR : b + 2] - v[b + 1]) * (r - b) }
        END { printf "%.1f|%.1f|%.1f", q(0.5), q(0.25), q(0.75) }'
}
echo "RESULT|process start to first painted frame (Xvfb)|$(quartiles <"$work/firstframe")|100000|us|$runs" >>"$results"
# /usr/bin/time counts in KiB; the table shows MiB.
awk '{ printf "%.2f\n", $1 / 1024 }' "$work/rss" | quartiles >"$work/rss-summary"
echo "RESULT|peak resident memory with the sample file (Xvfb, 1920×1080)|$(cat "$work/rss-summary")|40|MiB|$runs" >>"$results"

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
    function shown(x, unit) { return unit == "MiB" ? sprintf("%.1f MiB", x) : grouped(x) " µs" }
    BEGIN {
        print "| figure | median | spread (quartiles) | budget | within budget |"
        print "|---|---:|---:|---:|---|"
    }
    {
        within = ($3 + 0 <= $6 + 0)
        if (!within) over++
        unit = $7
        spread = (unit == "MiB") ? sprintf("%.1f–%.1f MiB", $4, $5) : grouped($4) "–" grouped($5) " µs"
        printf "| %s | %s | %s | %s | %s |\n", $2, shown($3, unit), spread, shown($6, unit), within ? "yes" : "**no**"
    }
    END {
        if (over) { printf "\n%d figure(s) over budget.\n", over; exit 1 }
        printf "\nEvery figure is within its budget.\n"
    }' "$results"
