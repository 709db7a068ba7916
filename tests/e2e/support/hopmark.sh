# Hopmark as the end-to-end tests drive it: a fresh copy in a folder of its
# own, its icon, its keyword window, its tray menu and its settings file.
# Sourced by every test after the harness; HOPMARK_EXE overrides the build.

source "$(dirname "${BASH_SOURCE[0]}")/../lib/harness.sh"

HOP_BUILT_EXE=${HOPMARK_EXE:-$e2e_root/build/win32/app/hopmark.exe}
HOP_BASE='http://ja.wikipedia.org/wiki/'
HOP_TITLE='^Hopmark$'
HOP_REORDER_TITLE='^リスト並び替え$'
# The keyword window's client area, as designed.
HOP_CLIENT_WIDTH=299
HOP_CLIENT_HEIGHT=87
# The tray menu's items as the keyboard reaches them (Down n times; the
# separators are skipped).
HOP_MENU_REORDER=1
HOP_MENU_HIDE_AFTER_JUMP=2
HOP_MENU_HELP=3
HOP_MENU_ABOUT=4
HOP_MENU_EXIT=5

HOP_EXE=
HOP_INI=
HOP_PID=
HOP_WINDOW=
HOP_HIDE_AFTER_JUMP=

# hop_install [FOLDER]: installs a fresh copy in FOLDER of the session
# (default "hopmark"); sets HOP_EXE and HOP_INI, its settings file.
hop_install() {
    HOP_EXE=$(e2e_install "$HOP_BUILT_EXE" "${1:-hopmark}") || return 1
    HOP_INI="$(dirname "$HOP_EXE")/Hopmark.ini"
}

# hop_write_settings LINES...: writes the settings file as the program
# writes it: code page 932, CRLF line ends.
hop_write_settings() {
    printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP932 >"$HOP_INI"
}

# hop_settings: the settings file, in UTF-8 with LF line ends.
hop_settings() {
    [ -f "$HOP_INI" ] || { e2e_fail "there is no settings file $HOP_INI"; return 1; }
    iconv -f CP932 -t UTF-8 "$HOP_INI" | tr -d '\r'
}

# hop_expect_settings LINES...: the settings file holds exactly these lines.
hop_expect_settings() {
    local got
    got=$(hop_settings) || return 1
    e2e_expect_equal "the settings file" "$got" "$(printf '%s\n' "$@")"
}

# hop_start: starts the installed copy and waits for its icon; sets HOP_PID.
hop_start() {
    e2e_launch "$HOP_EXE"
    HOP_PID=$E2E_LAST_PID
    e2e_wait_tray_icon 1
}

# hop_open_window: a left click on the icon; waits for the keyword window
# and for the keyboard to be in it. Sets HOP_WINDOW.
hop_open_window() {
    e2e_click_tray 1 left || return 1
    HOP_WINDOW=$(e2e_wait_window "$HOP_TITLE") || return 1
    e2e_wait_focus "$HOP_TITLE"
}

# hop_expect_window_shown, hop_expect_window_hidden: whether the keyword window is up.
hop_expect_window_shown() {
    e2e_find_window "$HOP_TITLE" >/dev/null || e2e_fail "the keyword window is not shown"
}

hop_expect_window_hidden() {
    e2e_wait_window_gone "$HOP_TITLE" 5
}

# hop_client_origin: prints "X Y", the screen position of the keyword
# window's client area.
hop_client_origin() {
    local x y w h border
    read -r x y w h < <(e2e_window_geometry "$HOP_WINDOW") || return 1
    border=$(((w - HOP_CLIENT_WIDTH) / 2))
    echo $((x + border)) $((y + h - HOP_CLIENT_HEIGHT - border))
}

# hop_combo_text: the text in the keyword box, copied through the clipboard
# as a user would (Home, Shift+End, Ctrl+C), the caret left at the end. The
# keyboard must be in the box.
hop_combo_text() {
    e2e_key Home shift+End ctrl+c End || return 1
    sleep 0.3
    xclip -o -selection clipboard 2>/dev/null
}

# hop_retype TEXT: replaces the keyword box's text by TEXT, typed.
hop_retype() {
    e2e_key Home shift+End BackSpace || return 1
    e2e_type "$1"
}

# hop_label_ink: prints "LEFT TOP RIGHT BOTTOM" of what the address label
# shows (the label sits at 16,60 in the client area, one line high).
hop_label_ink() {
    local cx cy
    read -r cx cy < <(hop_client_origin) || return 1
    e2e_ink $((cx + 14)) $((cy + 58)) $((HOP_CLIENT_WIDTH - 14)) 16
}

# hop_click_label: a left click on the address label.
hop_click_label() {
    local cx cy
    read -r cx cy < <(hop_client_origin) || return 1
    e2e_click $((cx + 16 + 10)) $((cy + 60 + 6))
}

# hop_menu ITEM: opens the tray menu with a right click on the icon and runs
# the ITEMth item (one of the HOP_MENU_ numbers) with the keyboard.
hop_menu() {
    local item=$1 keys=() i
    e2e_click_tray 1 right || return 1
    e2e_wait_popup_menu >/dev/null || return 1
    for ((i = 0; i < item; i++)); do keys+=(Down); done
    e2e_key "${keys[@]}" Return || return 1
    e2e_wait_popup_menu_gone 5
}

# hop_read_hide_after_jump: opens the tray menu, looks whether
# リンク後にウィンドウを隠す has its check mark (drawn in the menu's left
# column, the item's rows 18 to 36 from the menu's top) and closes the menu
# with Esc. Sets HOP_HIDE_AFTER_JUMP to "checked" or "unchecked".
hop_read_hide_after_jump() {
    local menu x y w h ink
    HOP_HIDE_AFTER_JUMP=
    e2e_click_tray 1 right || return 1
    menu=$(e2e_wait_popup_menu) || return 1
    read -r x y w h < <(e2e_window_geometry "$menu") || return 1
    ink=$(e2e_ink "$x" $((y + 18)) 14 18) || return 1
    e2e_key Escape || return 1
    e2e_wait_popup_menu_gone 5 || return 1
    if [ -n "$ink" ]; then HOP_HIDE_AFTER_JUMP=checked; else HOP_HIDE_AFTER_JUMP=unchecked; fi
}

# hop_exit: 終了 from the tray menu; waits for the program's end (exit code
# 0) and for its icon to leave the tray.
hop_exit() {
    hop_menu "$HOP_MENU_EXIT" || return 1
    e2e_wait_exit "$HOP_PID" 15 || return 1
    e2e_expect_equal "the exit code" "$E2E_EXIT_STATUS" 0 || return 1
    e2e_wait_tray_icon_gone 1 10
}

# hop_expect_jump N ADDRESS: the Nth address the browser is asked to open is
# ADDRESS, and no other follows it.
hop_expect_jump() {
    local got
    got=$(e2e_wait_capture "$1" 5) || return 1
    e2e_expect_equal "address $1 opened" "$got" "$2" || return 1
    e2e_expect_no_capture 1.5 || return 1
    e2e_expect_equal "addresses opened" "$(e2e_capture_count)" "$1"
}
