# The session: a private X display, a private Wine prefix with one persistent
# wineserver, the browser pointed at the capture, and the cleanup of it all.

# Programs whose windows Wine should leave unmanaged (no ~2 s per hide without
# a window manager), besides those scripts/lib/wine-env.sh already lists.
: "${E2E_UNMANAGED_EXES:=}"
# Where screenshots go; they outlive the session.
: "${E2E_ARTIFACTS:=${TMPDIR:-/tmp}/hopmark-e2e}"
# A prefix made by hopmark_wine_start, its server stopped, that sessions copy
# rather than make their own (tests/e2e/run makes one for all its tests).
: "${E2E_PREFIX_TEMPLATE:=}"

# e2e_begin: starts the session and sets the EXIT trap that ends it. Sets
# E2E_WORK (the session's folder), DISPLAY and WINEPREFIX. E2E_KEEP=1 keeps
# E2E_WORK afterwards, for a look at logs and settings files.
e2e_begin() {
    E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/hopmark-e2e.XXXXXX")
    mkdir -p "$E2E_WORK/logs" "$E2E_ARTIFACTS"
    trap e2e_end EXIT
    trap 'exit 130' INT TERM
    hopmark_xvfb_start || { e2e_fail "could not start Xvfb"; return 1; }
    if [ -n "$E2E_PREFIX_TEMPLATE" ]; then
        hopmark_wine_start_copy "$E2E_PREFIX_TEMPLATE" "$E2E_WORK/prefix"
    else
        hopmark_wine_start "$E2E_WORK/prefix"
    fi || { e2e_fail "could not prepare the Wine prefix"; return 1; }
    e2e_browser_setup
    e2e_apply_registry
}

# Registry settings of the session: one regedit run, read by every program
# started from now on.
e2e_apply_registry() {
    local reg="$E2E_WORK/session.reg" exe
    {
        echo 'REGEDIT4'
        echo
        echo '[HKEY_CURRENT_USER\Software\Wine\WineBrowser]'
        echo "\"Browsers\"=\"$E2E_CAPTURE_SCRIPT\""
        echo
        for exe in $E2E_UNMANAGED_EXES; do
            printf '[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\%s\\X11 Driver]\n' "$exe"
            echo '"Managed"="N"'
            echo
        done
    } >"$reg"
    wine regedit /S "$reg" >>"$E2E_WORK/logs/wine.log" 2>&1 \
        || { e2e_fail "regedit could not apply $reg"; return 1; }
}

# e2e_end: stops what the session started, by PID, then the prefix's
# wineserver and the X server, and removes the session's folder.
e2e_end() {
    local status=$?
    trap - EXIT
    e2e_stop_all
    hopmark_wine_stop
    hopmark_xvfb_stop
    if [ -n "${E2E_WORK:-}" ]; then
        if [ "${E2E_KEEP:-0}" = 1 ]; then
            echo "e2e: session kept in $E2E_WORK" >&2
        else
            rm -rf "$E2E_WORK"
        fi
        E2E_WORK=
    fi
    return $status
}
