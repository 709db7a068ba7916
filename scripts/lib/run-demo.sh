# Hopmark played once on a private virtual display, as a person would: a
# click on the icon, 東京 typed, Enter, then 終了 from the tray menu. Prints
# the address the browser was asked to open and the settings file, and saves
# screenshots of the tray, the keyword window and the tray menu. Sourced by
# scripts/run.

hopmark_run_demo() {
    local exe=$1 shots=$2
    HOPMARK_EXE=$exe
    E2E_ARTIFACTS=$(mktemp -d "${TMPDIR:-/tmp}/hopmark-demo.XXXXXX")
    source "$root/tests/e2e/support/hopmark.sh"
    echo "== no display: Hopmark on a private virtual display"
    e2e_begin
    mkdir -p "$shots"
    hop_install
    hop_start

    read -r x y < <(e2e_tray_icon_centre 1)
    xdotool mousemove "$x" "$y"
    sleep 1.5  # its tip comes up
    demo_shot tray 0 0 240 90

    hop_open_window
    e2e_type '東京'
    sleep 0.3
    local wx wy ww wh
    read -r wx wy ww wh < <(e2e_window_geometry "$HOP_WINDOW")
    demo_shot keyword-window "$wx" "$wy" "$ww" "$wh"
    e2e_key Return
    echo "the browser was asked to open: $(e2e_wait_capture 1)"
    hop_expect_window_hidden

    e2e_click_tray 1 right
    local menu mx my mw mh
    menu=$(e2e_wait_popup_menu)
    read -r mx my mw mh < <(e2e_window_geometry "$menu")
    demo_shot tray-menu 0 0 $((mx + mw + 16)) $((my + mh + 16))
    e2e_key Up Return  # 終了, the last item
    e2e_wait_exit "$HOP_PID" 15
    echo "Hopmark ended with exit code $E2E_EXIT_STATUS; its settings file, $(basename "$HOP_INI"):"
    hop_settings | sed 's/^/    /'
    echo "screenshots: $shots"
    rm -rf "$E2E_ARTIFACTS"
}

# demo_shot NAME X Y WIDTH HEIGHT: saves that part of the screen as NAME.png.
demo_shot() {
    local file="$shots/$1.png"
    import -window root -crop "${4}x${5}+${2}+${3}" +repage "$file"
    echo "screenshot: $file"
}
