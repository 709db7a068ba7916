# The reorder dialog under the user's hands: its lists and buttons stand at
# fixed places in its client area (the layout of platform/win32/DualListDialog.cpp).

REORDER_CLIENT_WIDTH=384
REORDER_CLIENT_HEIGHT=267
REORDER_WINDOW=

# reorder_open: waits for the dialog; sets REORDER_WINDOW.
reorder_open() {
    REORDER_WINDOW=$(e2e_wait_window "$HOP_REORDER_TITLE") || return 1
    sleep 0.3  # its lists are filled as it shows
}

# reorder_click X Y: a click at a point of the dialog's client area.
reorder_click() {
    local x y w h border
    read -r x y w h < <(e2e_window_geometry "$REORDER_WINDOW") || return 1
    border=$(((w - REORDER_CLIENT_WIDTH) / 2))
    e2e_click $((x + border + $1)) $((y + h - REORDER_CLIENT_HEIGHT - border + $2))
    sleep 0.2
}

# reorder_click_left_item N: a click on item N (from 0) of the left list;
# items are 13 pixels high from the list's top at 24, inside a 2-pixel edge.
reorder_click_left_item() {
    reorder_click 40 $((24 + 2 + 13 * $1 + 6))
}

# reorder_click_button '>'|'>>'|'<'|'<<'|OK|Cancel
reorder_click_button() {
    case $1 in
        '>') reorder_click 192 76 ;;
        '>>') reorder_click 192 104 ;;
        '<') reorder_click 192 144 ;;
        '<<') reorder_click 192 172 ;;
        OK) reorder_click 176 247 ;;
        Cancel) reorder_click 257 247 ;;
        *) e2e_fail "the reorder dialog has no button $1" ;;
    esac
}
