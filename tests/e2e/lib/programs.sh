# Windows programs of the session: installing them in a folder of their own,
# starting them in the background, waiting for them and stopping them, always
# by the PID the session got when it started them.

declare -A E2E_PROGRAMS=()   # PID -> image name, for the programs still to stop
E2E_LAST_PID=
E2E_EXIT_STATUS=

# e2e_install EXE [FOLDER]: copies EXE, and a manual named after it if there is
# one, into FOLDER under the session (default "app"), so that the settings
# file beside it belongs to this session; prints the copy's path.
e2e_install() {
    local exe=$1 dir="$E2E_WORK/${2:-app}"
    [ -f "$exe" ] || { e2e_fail "no such program: $exe"; return 1; }
    mkdir -p "$dir"
    cp "$exe" "$dir/"
    local manual="${exe%.exe}.html"
    [ -f "$manual" ] && cp "$manual" "$dir/"
    echo "$dir/$(basename "$exe")"
}

# e2e_launch EXE [ARGS...]: starts EXE under Wine in the background, in its own
# folder, its output in $E2E_WORK/logs. Sets E2E_LAST_PID; call it directly,
# not in $(...), or the process is not the session's child.
e2e_launch() {
    local exe=$1
    shift
    local name log
    name=$(basename "$exe")
    log="$E2E_WORK/logs/$name.$(e2e_now_ms).log"
    if [[ $exe == */* ]]; then
        (cd "$(dirname "$exe")" && exec wine "$exe" "$@") >"$log" 2>&1 &
    else
        wine "$exe" "$@" >"$log" 2>&1 &
    fi
    E2E_LAST_PID=$!
    E2E_PROGRAMS[$E2E_LAST_PID]=$name
}

# e2e_running PID: true while the process runs (an exited, unreaped one does not count).
e2e_running() {
    local state
    state=$(awk '{ print $3 }' "/proc/$1/stat" 2>/dev/null) || return 1
    [ -n "$state" ] && [ "$state" != Z ] && [ "$state" != X ]
}

# e2e_wait_exit PID [TIMEOUT]: waits for the program to end; sets
# E2E_EXIT_STATUS to its exit code.
e2e_wait_exit() {
    local pid=$1 timeout=${2:-$E2E_TIMEOUT}
    e2e_wait_for "$timeout" "${E2E_PROGRAMS[$pid]:-process} $pid to end" e2e_not_running "$pid" || return 1
    E2E_EXIT_STATUS=0
    wait "$pid" 2>/dev/null || E2E_EXIT_STATUS=$?
    unset "E2E_PROGRAMS[$pid]"
}

e2e_not_running() {
    ! e2e_running "$1"
}

# e2e_close PID [TIMEOUT]: asks the program to close as Windows would, with
# WM_CLOSE to its top-level windows (taskkill by image name: the session's
# prefix holds only the session's programs), and waits for it to end.
e2e_close() {
    local pid=$1 timeout=${2:-$E2E_TIMEOUT}
    local name=${E2E_PROGRAMS[$pid]:-}
    [ -n "$name" ] || { e2e_fail "process $pid was not started by e2e_launch"; return 1; }
    wine taskkill /im "$name" >>"$E2E_WORK/logs/wine.log" 2>&1 \
        || { e2e_fail "taskkill found no window of $name"; return 1; }
    e2e_wait_exit "$pid" "$timeout"
}

# e2e_stop PID: ends the process at once (SIGTERM, then SIGKILL after 3 s).
e2e_stop() {
    local pid=$1
    if e2e_running "$pid"; then
        kill -TERM "$pid" 2>/dev/null || true
        for _ in $(seq 30); do
            e2e_running "$pid" || break
            sleep 0.1
        done
        if e2e_running "$pid"; then kill -KILL "$pid" 2>/dev/null || true; fi
    fi
    wait "$pid" 2>/dev/null || true
    unset "E2E_PROGRAMS[$pid]"
}

# e2e_stop_all: stops every program the session started and has not seen end.
e2e_stop_all() {
    local pid
    for pid in "${!E2E_PROGRAMS[@]}"; do
        e2e_stop "$pid"
    done
}
