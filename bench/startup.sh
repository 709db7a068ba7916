#!/usr/bin/env bash
# Start-up and memory of hopmark.exe against the floor, hopmark_floor.exe,
# under Wine on a private display, side by side in one session: the time
# from the process's start to its icon being registered in the tray, and its
# resident memory once idle, each the median of several runs; once with no
# settings file and once with one of 100,000 keywords (beside both programs;
# the floor ignores it). Then Hopmark's CPU time over 30 idle seconds.
#
# The start is the CLOCK_MONOTONIC_RAW time just before wine is executed;
# the end is the time Wine's tray (explorer, traced with +timestamp,+systray,
# which stamps that same clock) logs the icon's add_icon. The measured
# programs themselves run untraced.
#
# Prints "startup 100000: ...", "idle 30 s: cpu +N ms" and, last, the
# no-settings case as "startup: hopmark H ms, floor F ms, ratio R; memory: ...".
# BENCH_VERBOSE=1 shows every run on standard error.
# Needs the win32 build (bench/run makes it).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/lib/wine-env.sh"
source "$root/scripts/lib/xvfb.sh"
source "$root/bench/lib/wine-programs.sh"

runs=${BENCH_STARTUP_RUNS:-9}
keywords=${BENCH_KEYWORDS:-100000}
settle=${BENCH_SETTLE_SECONDS:-3}
idle_seconds=${BENCH_IDLE_SECONDS:-30}
hopmark_exe=$root/build/win32/app/hopmark.exe
floor_exe=$root/build/win32/bench/floor/hopmark_floor.exe
for exe in "$hopmark_exe" "$floor_exe"; do
    [ -f "$exe" ] || { echo "startup: no $exe (cmake --build --preset win32)" >&2; exit 2; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/hopmark-startup.XXXXXX")
cleanup() {
    bench_stop_all
    hopmark_wine_stop
    hopmark_xvfb_stop
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

bench_session "$work"
app="$work/app"
mkdir -p "$app"
cp "$hopmark_exe" "$floor_exe" "$app/"
settings="$app/Hopmark.ini"
many="$work/many.ini"
bench_write_keywords "$keywords" "$many"

# measure CASE: medians of both programs with that settings case ("none" or
# the generated file), the programs alternating; prints the summary line.
measure() {
    local case=$1 i program order
    local -A times=() memory=() exes=([hopmark]=hopmark.exe [floor]=hopmark_floor.exe)
    # One unmeasured start each: the files come into the cache.
    for program in hopmark floor; do
        prepare "$case"
        bench_run_once "$app/${exes[$program]}" "$settle"
    done
    for ((i = 0; i < runs; i++)); do
        order="hopmark floor"
        [ $((i % 2)) -eq 1 ] && order="floor hopmark"
        for program in $order; do
            prepare "$case"
            bench_run_once "$app/${exes[$program]}" "$settle"
            [ "${BENCH_VERBOSE:-0}" = 1 ] && echo "  $case $program: $BENCH_MS ms, $BENCH_KIB KiB" >&2
            times[$program]+="$BENCH_MS "
            memory[$program]+="$BENCH_KIB "
        done
    done
    local h f m g
    h=$(bench_median ${times[hopmark]})
    f=$(bench_median ${times[floor]})
    m=$(bench_median ${memory[hopmark]})
    g=$(bench_median ${memory[floor]})
    echo "hopmark $h ms, floor $f ms, ratio $(bench_ratio "$h" "$f"); memory: hopmark $m KiB, floor $g KiB, ratio $(bench_ratio "$m" "$g")"
}

# prepare CASE: the settings file as the case wants it before each start
# (Hopmark writes its settings when it closes).
prepare() {
    if [ "$1" = none ]; then rm -f "$settings"; else cp "$many" "$settings"; fi
}

# idle: Hopmark's CPU time over idle seconds, once its start is over.
idle() {
    prepare none
    local pid before after
    bench_launch "$app/hopmark.exe"
    pid=$BENCH_PID
    bench_wait_icon "$pid" >/dev/null
    sleep "$settle"
    before=$(bench_cpu_ms "$pid")
    sleep "$idle_seconds"
    after=$(bench_cpu_ms "$pid")
    bench_close "$pid"
    echo "idle $idle_seconds s: cpu +$((after - before)) ms"
}

none=$(measure none)
echo "startup $keywords: $(measure many)"
idle
echo "startup: $none"
