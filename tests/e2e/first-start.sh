#!/usr/bin/env bash
# The first start, with no settings file: the icon comes, with its picture
# and a tip; no window shows, the hide-after-jump option is checked, and
# nothing is written until Exit, which writes the defaults.
set -euo pipefail
source "$(dirname "$0")/support/hopmark.sh"
e2e_begin

hop_install
before=$(xdotool search --onlyvisible --name '.*' 2>/dev/null | sort || true)
hop_start

# The picture is the program's own: its bookmark red and arrow blue.
colours=$(e2e_tray_cell_colours 1)
for colour in D8343C 2F6FD8; do
    grep -qx "$colour" <<<"$colours" || e2e_fail "the tray icon has no #$colour"
done
e2e_expect_equal "icons in the tray" "$(e2e_tray_icon_count)" 1

# Nothing else shows: no window but Wine's tray came up.
sleep 1
after=$(xdotool search --onlyvisible --name '.*' 2>/dev/null | sort || true)
for id in $(comm -13 <(echo "$before") <(echo "$after")); do
    name=$(xdotool getwindowname "$id" 2>/dev/null || true)
    [ "$name" = "Wine System Tray" ] || e2e_fail "a window came up at the start: \"$name\" ($id)"
done
[ ! -e "$HOP_INI" ] || e2e_fail "the settings file was written at the start"

# The pointer over the icon brings up its tip, a window of its own under the
# icon. (Its text, "Hopmark", is drawn: X does not tell it.)
read -r x y < <(e2e_tray_icon_centre 1)
xdotool mousemove "$x" "$y"
tip_shown() {
    local id wx wy w h
    for id in $(xdotool search --onlyvisible --name '^$' 2>/dev/null); do
        read -r wx wy w h < <(e2e_window_geometry "$id" 2>/dev/null) || continue
        [ "$wy" -gt "$y" ] && [ "$wy" -lt $((y + 60)) ] && [ "$wx" -lt $((x + 20)) ] && [ "$h" -lt 40 ] && return 0
    done
    return 1
}
e2e_wait_for 5 "the icon's tip" tip_shown
e2e_screenshot first-start-tip >/dev/null
xdotool mousemove 500 400

hop_read_hide_after_jump
e2e_expect_equal "リンク後にウィンドウを隠す at the first start" "$HOP_HIDE_AFTER_JUMP" checked
hop_exit
hop_expect_settings \
    '[WINDOW]' 'MAINFORM.X=743' 'MAINFORM.Y=582' 'HIDE_AFTER_JUMP=1' \
    '[LIST]' 'HOPMARK_LIST.Count=0' \
    '[CONFIG]' 'LAST_SELECT=-1'
