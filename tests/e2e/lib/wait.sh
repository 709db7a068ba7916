# Failing and waiting: every wait has a timeout and says what it waited for.

# Seconds a wait lasts unless its caller gives a timeout.
: "${E2E_TIMEOUT:=10}"

# e2e_fail MESSAGE: reports a failure, with a screenshot of the moment when a
# display is up, and returns 1.
e2e_fail() {
    echo "e2e: FAIL: $*" >&2
    if [ -n "${E2E_WORK:-}" ] && [ -n "${DISPLAY:-}" ]; then
        local shot
        shot=$(e2e_screenshot "failure-$(date +%H%M%S)" 2>/dev/null) && echo "e2e: screen at the failure: $shot" >&2
    fi
    return 1
}

# e2e_now_ms: milliseconds since the epoch.
e2e_now_ms() {
    local t=${EPOCHREALTIME/./}
    echo $((t / 1000))
}

# e2e_ms SECONDS: SECONDS (whole or with decimals, "2" or "0.5") in milliseconds.
e2e_ms() {
    local whole=${1%.*} frac=000
    [[ $1 == *.* ]] && frac="${1#*.}000"
    echo $((${whole:-0} * 1000 + 10#${frac:0:3}))
}

# e2e_wait_for TIMEOUT WHAT COMMAND...: runs COMMAND every 0.1 s until it
# succeeds; fails after TIMEOUT seconds with "timed out after Ns waiting for WHAT".
e2e_wait_for() {
    local timeout=$1 what=$2
    shift 2
    local deadline=$(($(e2e_now_ms) + $(e2e_ms "$timeout")))
    until "$@"; do
        if [ "$(e2e_now_ms)" -ge "$deadline" ]; then
            e2e_fail "timed out after ${timeout}s waiting for $what"
            return 1
        fi
        sleep 0.1
    done
}
