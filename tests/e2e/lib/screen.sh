# What is on the screen: windows by title, the focused window, screenshots.

# e2e_find_window TITLE_REGEX: prints the id of a visible window whose title
# matches (xdotool's extended regular expression), the newest if several.
e2e_find_window() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1 | grep .
}

# e2e_wait_window TITLE_REGEX [TIMEOUT]: waits for such a window; prints its id.
e2e_wait_window() {
    local title=$1 timeout=${2:-$E2E_TIMEOUT}
    e2e_wait_for "$timeout" "a window titled /$title/" e2e_find_window_quiet "$title" || return 1
    e2e_find_window "$title"
}

e2e_find_window_quiet() {
    e2e_find_window "$1" >/dev/null
}

# e2e_wait_window_gone TITLE_REGEX [TIMEOUT]: waits until no visible window matches.
e2e_wait_window_gone() {
    local title=$1 timeout=${2:-$E2E_TIMEOUT}
    e2e_wait_for "$timeout" "the window titled /$title/ to go" e2e_no_window "$title"
}

e2e_no_window() {
    ! e2e_find_window_quiet "$1"
}

# e2e_focused_window_name: the title of the window with the keyboard focus
# (empty when the focus is on the root window).
e2e_focused_window_name() {
    local id
    id=$(xdotool getwindowfocus 2>/dev/null) || return 0
    xdotool getwindowname "$id" 2>/dev/null || true
}

# e2e_focus_window ID: gives the window the keyboard focus, as a click on it
# would. With no window manager only the X focus can be set.
e2e_focus_window() {
    xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1" 2>/dev/null \
        || { e2e_fail "could not focus window $1"; return 1; }
}

# e2e_wait_focus TITLE_REGEX [TIMEOUT]: waits until the focused window's title matches.
e2e_wait_focus() {
    local title=$1 timeout=${2:-$E2E_TIMEOUT}
    if ! e2e_wait_for "$timeout" "the focus on a window titled /$title/" e2e_focus_matches "$title"; then
        echo "e2e: the focus is on \"$(e2e_focused_window_name)\"" >&2
        return 1
    fi
}

e2e_focus_matches() {
    [[ $(e2e_focused_window_name) =~ $1 ]]
}

# e2e_screenshot NAME: saves the whole screen as $E2E_ARTIFACTS/NAME.png and
# prints the path.
e2e_screenshot() {
    local file="$E2E_ARTIFACTS/$1.png"
    mkdir -p "$E2E_ARTIFACTS"
    import -window root "$file" || { echo "e2e: FAIL: no screenshot $file" >&2; return 1; }
    echo "$file"
}

# e2e_window_geometry ID: prints "X Y WIDTH HEIGHT" of a window, its frame
# included (Wine draws the frame of the windows it leaves unmanaged).
e2e_window_geometry() {
    xdotool getwindowgeometry --shell "$1" 2>/dev/null \
        | awk -F= '$1=="X"{x=$2} $1=="Y"{y=$2} $1=="WIDTH"{w=$2} $1=="HEIGHT"{h=$2} END{print x, y, w, h}' \
        | grep -E '^[0-9-]+ [0-9-]+ [0-9]+ [0-9]+$' || { e2e_fail "no window $1"; return 1; }
}

# e2e_popup_menu: prints the id of the popup menu that is open: Wine opens
# one as an untitled window with its corner at the pointer.
e2e_popup_menu() {
    local X Y SCREEN WINDOW id wx wy w h
    eval "$(xdotool getmouselocation --shell)"
    for id in $(xdotool search --onlyvisible --name '^$' 2>/dev/null); do
        read -r wx wy w h < <(e2e_window_geometry "$id" 2>/dev/null) || continue
        if [ "$wx" = "$X" ] && [ "$wy" = "$Y" ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# e2e_wait_popup_menu [TIMEOUT]: waits for a popup menu at the pointer; prints its id.
e2e_wait_popup_menu() {
    e2e_wait_for "${1:-$E2E_TIMEOUT}" "a popup menu at the pointer" e2e_popup_menu_open || return 1
    e2e_popup_menu
}

e2e_popup_menu_open() {
    e2e_popup_menu >/dev/null
}

# e2e_wait_popup_menu_gone [TIMEOUT]: waits until no popup menu is open at the pointer.
e2e_wait_popup_menu_gone() {
    e2e_wait_for "${1:-$E2E_TIMEOUT}" "the popup menu to close" e2e_no_popup_menu
}

e2e_no_popup_menu() {
    ! e2e_popup_menu_open
}

# e2e_ink X Y WIDTH HEIGHT: prints "LEFT TOP RIGHT BOTTOM" (screen
# coordinates, right and bottom exclusive) of what is drawn in the area: the
# pixels that differ from its corners' colour. Prints nothing for a plain area.
e2e_ink() {
    local x=$1 y=$2 w=$3 h=$4 box bw bh bx by
    box=$(import -window root miff:- | convert miff:- -crop "${w}x${h}+${x}+${y}" +repage -trim \
        -format '%@' info: 2>/dev/null) || { e2e_fail "no picture of ${w}x${h}+${x}+${y}"; return 1; }
    [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || return 0
    bw=${BASH_REMATCH[1]} bh=${BASH_REMATCH[2]} bx=${BASH_REMATCH[3]} by=${BASH_REMATCH[4]}
    [ "$bw" -gt 0 ] && [ "$bh" -gt 0 ] || return 0
    # A plain area trims to its one top-left pixel.
    [ "$bw" -eq 1 ] && [ "$bh" -eq 1 ] && [ "$bx" -eq 0 ] && [ "$by" -eq 0 ] && [ "$w" -gt 1 ] && return 0
    echo $((x + bx)) $((y + by)) $((x + bx + bw)) $((y + by + bh))
}
