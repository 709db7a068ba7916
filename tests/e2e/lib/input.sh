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

# A key no program here reacts to and that the keyboard map lacks, so that
# xdotool maps it onto a spare key code as it does Japanese characters.
E2E_PRIMING_KEY=F20

# e2e_type TEXT: types TEXT, ASCII or Japanese, as key presses. xdotool types
# a character missing from the keyboard map on a spare key code it maps for
# the moment, and a Wine program drops the first such key it sees; text with
# such characters is therefore preceded by the priming key, which types nothing.
e2e_type() {
    if LC_ALL=C grep -q '[^ -~]' <<<"$1"; then
        xdotool key -- "$E2E_PRIMING_KEY" || { e2e_fail "could not press $E2E_PRIMING_KEY"; return 1; }
    fi
    xdotool type --delay "$E2E_KEY_DELAY" -- "$1" || { e2e_fail "could not type \"$1\""; return 1; }
}

# e2e_key KEY...: presses keys or chords in turn, by X key name
# (Return, Escape, Down, ctrl+a, alt+F4).
e2e_key() {
    xdotool key --delay "$E2E_KEY_DELAY" -- "$@" || { e2e_fail "could not press $*"; return 1; }
}

# e2e_drag X1 Y1 X2 Y2: presses the left button at X1,Y1, moves to X2,Y2 in
# steps and releases it there.
e2e_drag() {
    local x1=$1 y1=$2 x2=$3 y2=$4 i
    xdotool mousemove "$x1" "$y1" mousedown 1 || { e2e_fail "could not press at $x1,$y1"; return 1; }
    for i in 1 2 3 4; do
        sleep 0.05
        xdotool mousemove $((x1 + (x2 - x1) * i / 4)) $((y1 + (y2 - y1) * i / 4))
    done
    sleep 0.05
    xdotool mouseup 1 || { e2e_fail "could not release at $x2,$y2"; return 1; }
}
