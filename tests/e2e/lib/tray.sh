# The notification area. With no desktop tray Wine shows the icons in a
# window named "Wine System Tray", icon n in the 20 x 20 cell at x + 20 (n - 1).

E2E_TRAY_TITLE='^Wine System Tray$'
E2E_TRAY_CELL=20
# Two clicks on the icon closer than the double-click time (500 ms) arrive as
# a double click; tray clicks are spaced at least this far apart.
: "${E2E_TRAY_CLICK_GAP_MS:=700}"
E2E_LAST_TRAY_CLICK_MS=0

# e2e_tray_window [TIMEOUT]: waits for the tray window; prints its id.
e2e_tray_window() {
    e2e_wait_window "$E2E_TRAY_TITLE" "${1:-$E2E_TIMEOUT}"
}

# e2e_tray_geometry: prints "X Y WIDTH HEIGHT" of the tray window; fails
# silently when there is none (a probe for waits).
e2e_tray_geometry() {
    local id
    id=$(e2e_find_window "$E2E_TRAY_TITLE") || return 1
    xdotool getwindowgeometry --shell "$id" \
        | awk -F= '$1=="X"{x=$2} $1=="Y"{y=$2} $1=="WIDTH"{w=$2} $1=="HEIGHT"{h=$2} END{print x, y, w, h}'
}

# e2e_tray_cells: how many icon cells the tray window has.
e2e_tray_cells() {
    local x y w h
    read -r x y w h < <(e2e_tray_geometry) || { e2e_fail "there is no Wine System Tray window"; return 1; }
    echo $((w / E2E_TRAY_CELL))
}

# e2e_tray_icon_centre N: prints "X Y", the screen position of icon N's centre.
e2e_tray_icon_centre() {
    local n=$1 x y w h
    read -r x y w h < <(e2e_tray_geometry) || { e2e_fail "there is no Wine System Tray window"; return 1; }
    if [ "$n" -lt 1 ] || [ $((E2E_TRAY_CELL * n)) -gt "$w" ]; then
        e2e_fail "the tray window (${w} wide) has no place for icon $n"
        return 1
    fi
    echo $((x + E2E_TRAY_CELL * (n - 1) + E2E_TRAY_CELL / 2)) $((y + h / 2))
}

# e2e_tray_cell N: writes the picture of cell N of the tray (MIFF) to stdout.
e2e_tray_cell() {
    local n=$1 x y w h
    read -r x y w h < <(e2e_tray_geometry) || return 1
    [ $((E2E_TRAY_CELL * n)) -le "$w" ] || return 1
    import -window root miff:- \
        | convert miff:- -crop "${E2E_TRAY_CELL}x${h}+$((x + E2E_TRAY_CELL * (n - 1)))+$y" +repage miff:-
}

# e2e_tray_icon_shown N: true when cell N of the tray shows a picture (an
# empty cell is a single colour).
e2e_tray_icon_shown() {
    local colours
    colours=$(e2e_tray_cell "$1" | identify -format %k - 2>/dev/null) || return 1
    [ -n "$colours" ] && [ "$colours" -gt 2 ]
}

# e2e_tray_cell_colours N: prints the colours in cell N of the tray, one
# RRGGBB a line, to tell whose icon it shows.
e2e_tray_cell_colours() {
    e2e_tray_cell "$1" | convert miff:- -depth 8 -unique-colors txt:- 2>/dev/null \
        | grep -o '#[0-9A-Fa-f]\{6\}' | tr -d '#' | tr a-f A-F
}

# e2e_wait_tray_icon N [TIMEOUT]: waits until icon N is in the tray.
e2e_wait_tray_icon() {
    e2e_wait_for "${2:-$E2E_TIMEOUT}" "icon $1 in the tray" e2e_tray_icon_shown "$1"
}

# e2e_wait_tray_icon_gone N [TIMEOUT]: waits until cell N of the tray is empty
# or the tray window has gone (removing an icon takes ~2 s under Wine).
e2e_wait_tray_icon_gone() {
    e2e_wait_for "${2:-$E2E_TIMEOUT}" "icon $1 to leave the tray" e2e_tray_icon_absent "$1"
}

e2e_tray_icon_absent() {
    ! e2e_tray_icon_shown "$1"
}

# e2e_tray_icon_count: how many icons the tray shows, counted from the left.
e2e_tray_icon_count() {
    local n=0
    while e2e_tray_icon_shown $((n + 1)); do
        n=$((n + 1))
    done
    echo "$n"
}

# e2e_click_tray N [left|middle|right]: clicks icon N, never so soon after the
# previous tray click that the two would make a double click.
e2e_click_tray() {
    local n=$1 button=${2:-left} x y wait_ms
    read -r x y < <(e2e_tray_icon_centre "$n") || return 1
    wait_ms=$((E2E_LAST_TRAY_CLICK_MS + E2E_TRAY_CLICK_GAP_MS - $(e2e_now_ms)))
    if [ "$wait_ms" -gt 0 ]; then
        sleep "$((wait_ms / 1000)).$(printf %03d $((wait_ms % 1000)))"
    fi
    e2e_click "$x" "$y" "$button" || return 1
    E2E_LAST_TRAY_CLICK_MS=$(e2e_now_ms)
}
