# Hopmark on the user's display, in a Wine prefix of its own made once
# (never ~/.wine), installed beside its settings file inside that prefix.
# Sourced by scripts/run.

hopmark_run_on_display() {
    local exe=$1
    local prefix=${HOPMARK_PREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/hopmark-wine}
    if [ ! -f "$prefix/system.reg" ]; then
        echo "== making the Wine prefix $prefix (once)"
        hopmark_wine_start "$prefix"
        # A desktop has a window manager: Hopmark's windows are managed there
        # like any other's.
        wine reg delete 'HKCU\Software\Wine\AppDefaults\hopmark.exe\X11 Driver' /f >/dev/null 2>&1 || true
        hopmark_wine_stop
    fi
    hopmark_wine_env
    export WINEPREFIX="$prefix"
    local dir="$prefix/drive_c/Hopmark"
    mkdir -p "$dir"
    cp "$exe" "${exe%.exe}.html" "$dir/"
    echo "== Hopmark runs in the notification area of $DISPLAY; 終了 in its menu ends it"
    echo "   settings: $dir/Hopmark.ini"
    (cd "$dir" && wine hopmark.exe)
}
