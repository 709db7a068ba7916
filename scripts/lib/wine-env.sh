# The environment of every Wine run: a private prefix, Japanese code page,
# no debug output, no Mono/Gecko prompts. Sourced by the scripts.

hopmark_wine_env() {
    export WINEARCH=win32
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export LC_ALL=ja_JP.UTF-8
}

# Makes a fresh prefix in $1 and keeps one wineserver alive for it, so that
# each program started later does not pay Wine's start-up.
hopmark_wine_start() {
    hopmark_wine_env
    export WINEPREFIX="$1"
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
    local reg="$WINEPREFIX/hopmark-settings.reg"
    # Without a window manager every hide of a captioned window costs ~2 s;
    # unmanaged windows for our own programs only (a global setting would give
    # Wine's tray window a caption).
    {
        echo 'REGEDIT4'
        echo
        local exe
        for exe in hopmark.exe hopmark_win32_tests.exe; do
            echo "[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\$exe\\X11 Driver]"
            echo '"Managed"="N"'
            echo
        done
    } >"$reg"
    wine regedit /S "$reg" >/dev/null 2>&1
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    hopmark_wine_serve
}

# Like hopmark_wine_start, from a copy of a prefix it made before ($1, its
# server stopped) into $2: ~1.5 s instead of ~8 s.
hopmark_wine_start_copy() {
    hopmark_wine_env
    export WINEPREFIX="$2"
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    cp -a "$1" "$WINEPREFIX"
    hopmark_wine_serve
}

# One persistent server for the prefix, with explorer and the services.
hopmark_wine_serve() {
    wineserver -p >/dev/null 2>&1
    # Start explorer and the services up front: started later by a test, they
    # would inherit the test's output pipe and keep CTest waiting.
    wine cmd /c exit >/dev/null 2>&1
}

hopmark_wine_stop() {
    [ -n "${WINEPREFIX:-}" ] || return 0
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
}
