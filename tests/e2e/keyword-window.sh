#!/usr/bin/env bash
# A left click on the icon shows the keyword window with the keyboard in its
# keyword box, so that typing can start at once; it stands wholly on the
# screen and clear of the tray. A second click while it shows keeps it up.
set -euo pipefail
source "$(dirname "$0")/support/hopmark.sh"
e2e_begin

hop_install
hop_start
hop_open_window
e2e_type 'hop'
e2e_expect_equal "the keyword box after typing at once" "$(hop_combo_text)" 'hop'

read -r x y w h < <(e2e_window_geometry "$HOP_WINDOW")
read -r tx ty tw th < <(e2e_tray_geometry)
screen_w=$(xdotool getdisplaygeometry | cut -d' ' -f1)
screen_h=$(xdotool getdisplaygeometry | cut -d' ' -f2)
[ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$screen_w" ] && [ $((y + h)) -le "$screen_h" ] \
    || e2e_fail "the keyword window at ${w}x${h}+$x+$y is not wholly on the ${screen_w}x${screen_h} screen"
[ $((x + w)) -le "$tx" ] || [ "$x" -ge $((tx + tw)) ] || [ $((y + h)) -le "$ty" ] || [ "$y" -ge $((ty + th)) ] \
    || e2e_fail "the keyword window at ${w}x${h}+$x+$y covers the tray at ${tw}x${th}+$tx+$ty"
e2e_screenshot keyword-window >/dev/null

# Shown already: a click brings it forward again, the keyboard still in the box.
e2e_click_tray 1 left
e2e_wait_focus "$HOP_TITLE"
e2e_type '-more'
e2e_expect_equal "the keyword box after a second click" "$(hop_combo_text)" 'hop-more'
e2e_expect_no_capture 0.5
hop_exit
