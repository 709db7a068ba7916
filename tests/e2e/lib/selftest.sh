#!/usr/bin/env bash
# Proves the harness against hopmark_floor.exe and Wine's own programs: the
# tray icon is found, clicked and ends with its program; addresses reach the
# capture; typed ASCII and Japanese arrive in a window that has the focus.
# Usage: selftest.sh [path/to/hopmark_floor.exe]; screenshots in $E2E_ARTIFACTS.
set -euo pipefail
E2E_ARTIFACTS=${E2E_ARTIFACTS:-${TMPDIR:-/tmp}/hopmark-e2e/selftest}
source "$(dirname "$0")/harness.sh"

floor_exe=${1:-$e2e_root/build/win32/bench/floor/hopmark_floor.exe}

check() {
    local what=$1 got=$2 want=$3
    if [ "$got" != "$want" ]; then
        e2e_fail "$what: got \"$got\", want \"$want\""
        return 1
    fi
    echo "ok: $what"
}

e2e_begin

echo "== the tray icon"
floor=$(e2e_install "$floor_exe")
e2e_launch "$floor"
floor_pid=$E2E_LAST_PID
e2e_wait_tray_icon 1
check "icons in the tray" "$(e2e_tray_icon_count)" 1
# The icon went from the picture through the resource to the tray: its
# bookmark red and arrow blue are there, and every other colour of the cell is
# the tray's own (a transparent pixel drawn wrong tints the background).
picture=$(grep -o '#[0-9A-Fa-f]\{6\}' "$e2e_root/app/resources/hopmark-icon.txt" | tr -d '#' | tr a-f A-F)
background=$(e2e_tray_cell_colours "$(e2e_tray_cells)")
colours=$(e2e_tray_cell_colours 1)
for colour in D8343C 2F6FD8; do
    grep -qx "$colour" <<<"$colours" || e2e_fail "the tray icon has no #$colour (it has: $(tr '\n' ' ' <<<"$colours"))"
done
for colour in $colours; do
    grep -qx "$colour" <<<"$picture"$'\n'"$background" \
        || e2e_fail "the tray icon shows #$colour, a colour of neither the picture nor the tray"
done
echo "ok: the tray shows the program's icon"
read -r x y < <(e2e_tray_icon_centre 1)
check "centre of icon 1" "$x $y" "13 32"
e2e_screenshot floor-in-tray
e2e_click_tray 1 left
e2e_click_tray 1 right
e2e_click_tray 1 middle
e2e_screenshot floor-clicked
e2e_running "$floor_pid" || e2e_fail "the floor ended when its icon was clicked"
echo "ok: clicks on the icon"

echo "== addresses reach the capture"
for address in 'http://ja.wikipedia.org/wiki/Hopmark' 'http://ja.wikipedia.org/wiki/東京'; do
    wine start "$address" >>"$E2E_WORK/logs/wine.log" 2>&1
done
check "first address" "$(e2e_wait_capture 1)" 'http://ja.wikipedia.org/wiki/Hopmark'
check "second address" "$(e2e_wait_capture 2)" 'http://ja.wikipedia.org/wiki/東京'
e2e_expect_no_capture 0.5
echo "ok: nothing else opened"

echo "== a window, the focus and typing"
e2e_launch notepad
notepad_pid=$E2E_LAST_PID
notepad=$(e2e_wait_window 'メモ帳|Notepad')
e2e_focus_window "$notepad"
e2e_wait_focus 'メモ帳|Notepad'
e2e_type 'hop 東京 '
e2e_key ctrl+a ctrl+c
sleep 0.3
check "typed text, through the clipboard" "$(xclip -o -selection clipboard)" 'hop 東京 '
e2e_screenshot notepad-typed
e2e_stop "$notepad_pid"
e2e_wait_window_gone 'メモ帳|Notepad'

echo "== the floor closes and takes its icon along"
e2e_close "$floor_pid" 10
check "exit code of the floor" "$E2E_EXIT_STATUS" 0
e2e_wait_tray_icon_gone 1 5
e2e_screenshot floor-closed
echo "== harness self-test passed; screenshots in $E2E_ARTIFACTS"
