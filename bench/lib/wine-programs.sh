# Windows programs measured under Wine: a private session whose tray logs
# when icons arrive, starts timed on the same clock, resident memory and CPU
# time from /proc, orderly closes. Sourced by bench/startup.sh.

declare -A BENCH_STARTED=()  # PID -> file holding its start time
declare -A BENCH_ICONS=()    # PID -> icons the tray had logged before it started
BENCH_PID=
BENCH_MS=
BENCH_KIB=

# bench_session DIR: a private display and prefix under DIR, the tray
# (explorer) started traced so that it stamps each icon it adds.
bench_session() {
    BENCH_DIR=$1
    BENCH_TRAY_LOG="$BENCH_DIR/tray.log"
    hopmark_xvfb_start
    hopmark_wine_start "$BENCH_DIR/prefix"
    hopmark_wine_stop
    wineserver -p >/dev/null 2>&1
    WINEDEBUG=+timestamp,+systray wine cmd /c exit >/dev/null 2>>"$BENCH_TRAY_LOG"
}

# bench_write_keywords N FILE: a settings file holding N keywords, as the
# program writes one (code page 932, CRLF).
bench_write_keywords() {
    awk -v n="$1" 'BEGIN {
        printf "[WINDOW]\r\nMAINFORM.X=719\r\nMAINFORM.Y=582\r\nHIDE_AFTER_JUMP=1\r\n[LIST]\r\n"
        printf "HOPMARK_LIST.Count=%d\r\n", n
        for (i = 0; i < n; i++) printf "HOPMARK_LIST.%d=キーワード%06d\r\n", i, i
        printf "[CONFIG]\r\nLAST_SELECT=0\r\n"
    }' | iconv -f UTF-8 -t CP932 >"$2"
}

bench_tray_icons_logged() {
    grep -c 'add_icon' "$BENCH_TRAY_LOG" 2>/dev/null || true
}

# bench_launch EXE: starts EXE in its folder; sets BENCH_PID. Its start time
# is taken on Wine's clock just before wine is executed.
bench_launch() {
    local exe=$1 started
    started="$BENCH_DIR/started.$RANDOM$RANDOM"
    local icons
    icons=$(bench_tray_icons_logged)
    (cd "$(dirname "$exe")" && exec python3 -c '
import os, sys, time
with open(sys.argv[1], "w") as f:
    f.write("%.6f\n" % time.clock_gettime(time.CLOCK_MONOTONIC_RAW))
os.execvp("wine", ["wine", sys.argv[2]])' "$started" "$exe") >>"$BENCH_DIR/programs.log" 2>&1 &
    BENCH_PID=$!
    BENCH_STARTED[$BENCH_PID]=$started
    BENCH_ICONS[$BENCH_PID]=$icons
}

# bench_wait_icon PID: waits for the tray to log the program's icon; prints
# the milliseconds from its start.
bench_wait_icon() {
    local pid=$1 want=$((${BENCH_ICONS[$1]} + 1)) i line
    for ((i = 0; i < 6000; i++)); do
        if [ "$(bench_tray_icons_logged)" -ge "$want" ]; then
            line=$(grep 'add_icon' "$BENCH_TRAY_LOG" | sed -n "${want}p")
            awk -v start="$(cat "${BENCH_STARTED[$pid]}")" -v at="${line%%:*}" \
                'BEGIN { printf "%d\n", (at - start) * 1000 + 0.5 }'
            return 0
        fi
        kill -0 "$pid" 2>/dev/null || { echo "startup: process $pid ended before its icon came" >&2; return 1; }
        sleep 0.01
    done
    echo "startup: no icon from process $pid within 60 s" >&2
    return 1
}

# bench_rss_kib PID: resident memory of the process, in KiB.
bench_rss_kib() {
    awk '$1 == "VmRSS:" { print $2 }' "/proc/$1/status"
}

# bench_cpu_ms PID: user and system CPU time of the process so far, in ms.
bench_cpu_ms() {
    local ticks
    ticks=$(awk '{ print $14 + $15 }' "/proc/$1/stat")
    echo $((ticks * 1000 / $(getconf CLK_TCK)))
}

# bench_run_once EXE SETTLE: starts EXE, waits for its icon, lets it settle
# SETTLE seconds and closes it; sets BENCH_MS (start to icon) and BENCH_KIB
# (resident memory once settled).
bench_run_once() {
    local pid
    bench_launch "$1"
    pid=$BENCH_PID
    BENCH_MS=$(bench_wait_icon "$pid")
    sleep "$2"
    BENCH_KIB=$(bench_rss_kib "$pid")
    bench_close "$pid"
}

# bench_close PID: WM_CLOSE to the program's windows, as Windows asks a
# program to end (taskkill by image name: the session runs only ours), then
# waits for its end; SIGKILL after 60 s.
bench_close() {
    local pid=$1 name i
    if name=$(tr '\0' '\n' 2>/dev/null <"/proc/$pid/cmdline" | head -n 1) && [ -n "$name" ]; then
        wine taskkill /im "${name##*[/\\]}" >>"$BENCH_DIR/programs.log" 2>&1 || true
    fi
    for ((i = 0; i < 600; i++)); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    rm -f "${BENCH_STARTED[$pid]}"
    unset "BENCH_STARTED[$pid]" "BENCH_ICONS[$pid]"
}

# bench_stop_all: ends every program still running, by PID.
bench_stop_all() {
    local pid
    for pid in "${!BENCH_STARTED[@]}"; do
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}

# bench_median N...: the median of whole numbers.
bench_median() {
    printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2 + 0.5) }'
}

# bench_ratio A B: A / B with two decimals.
bench_ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { if (b == 0) print "inf"; else printf "%.2f\n", a / b }'
}
