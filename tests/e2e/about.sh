#!/usr/bin/env bash
# Hopmark について shows the About box, titled "Hopmark"; its OK button closes
# it, and the program goes on.
set -euo pipefail
source "$(dirname "$0")/support/hopmark.sh"
e2e_begin

hop_install
hop_start
hop_menu "$HOP_MENU_ABOUT"
# The keyword window has not been shown: the window titled so is the box.
about=$(e2e_wait_window "$HOP_TITLE")
e2e_screenshot about >/dev/null
# Its one button, OK, sits in the middle of its bottom row.
read -r x y w h < <(e2e_window_geometry "$about")
e2e_click $((x + w / 2)) $((y + h - 26))
e2e_wait_window_gone "$HOP_TITLE" 5
e2e_running "$HOP_PID" || e2e_fail "the program ended with its About box"

hop_open_window
e2e_expect_equal "the keyword box" "$(hop_combo_text)" ''
hop_exit
