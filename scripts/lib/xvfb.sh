# A private virtual X display for the Wine runs. Sourced by the scripts.

# Starts Xvfb on the first free display number from 90 up; sets DISPLAY and
# HOPMARK_XVFB_PID. Stopped by hopmark_xvfb_stop, by PID.
hopmark_xvfb_start() {
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        HOPMARK_XVFB_PID=$!
        local i
        for i in $(seq 50); do
            if xdpyinfo -display ":$n" >/dev/null 2>&1; then
                export DISPLAY=":$n"
                return 0
            fi
            kill -0 "$HOPMARK_XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        kill "$HOPMARK_XVFB_PID" 2>/dev/null || true
    done
    echo "could not start Xvfb" >&2
    return 1
}

hopmark_xvfb_stop() {
    if [ -n "${HOPMARK_XVFB_PID:-}" ]; then
        kill "$HOPMARK_XVFB_PID" 2>/dev/null || true
        wait "$HOPMARK_XVFB_PID" 2>/dev/null || true
        HOPMARK_XVFB_PID=
    fi
}
