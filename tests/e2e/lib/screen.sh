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
