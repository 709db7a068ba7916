# The user's hands: the mouse and the keyboard, through xdotool on the
# session's display. Keys and text go to the window with the focus.

# Pause between two keys or characters, in milliseconds.
: "${E2E_KEY_DELAY:=30}"

# e2e_click X Y [left|middle|right]: moves the pointer to X,Y and clicks.
e2e_click() {
    local x=$1 y=$2 button
    button=$(e2e_button_number "${3:-left}") || return 1
    xdotool mousemove "$x" "$y" click "$button" \
        || { e2e_fail "could not click at $x,$y"; return 1; }
}

e2e_button_number() {
    case $1 in
        left) echo 1 ;;
        middle) echo 2 ;;
        right) echo 3 ;;
        *) e2e_fail "no mouse button \"$1\" (left, middle or right)"; return 1 ;;
    esac
}

# e2e_type TEXT: types TEXT, ASCII or Japanese, as key presses.
e2e_type() {
    xdotool type --delay "$E2E_KEY_DELAY" -- "$1" || { e2e_fail "could not type \"$1\""; return 1; }
}

# e2e_key KEY...: presses keys or chords in turn, by X key name
# (Return, Escape, Down, ctrl+a, alt+F4).
e2e_key() {
    xdotool key --delay "$E2E_KEY_DELAY" -- "$@" || { e2e_fail "could not press $*"; return 1; }
}
