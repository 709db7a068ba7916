#!/usr/bin/env bash
# Exit writes all four settings: the window's place (moved by its caption),
# the hide-after-jump option (unchecked), the list and the selection (picked
# with the Down key). A restart brings them all back: the window where it
# was left, the option unchecked in the menu and in effect, the selection in
# the keyword box and its address on the label.
set -euo pipefail
source "$(dirname "$0")/support/hopmark.sh"
e2e_begin

hop_install
hop_start
hop_open_window
e2e_type '東京'
e2e_key Return
hop_expect_jump 1 "${HOP_BASE}東京"
hop_open_window
hop_retype '-memo'
e2e_key Return
hop_expect_window_shown

read -r x y w h < <(e2e_window_geometry "$HOP_WINDOW")
e2e_drag $((x + 100)) $((y + 10)) $((x + 100 - 400)) $((y + 10 - 260))
read -r moved_x moved_y _ _ < <(e2e_window_geometry "$HOP_WINDOW")
e2e_expect_equal "the window's place after the drag" "$moved_x $moved_y" "$((x - 400)) $((y - 260))"

hop_menu "$HOP_MENU_HIDE_AFTER_JUMP"
hop_open_window
e2e_key Down  # picks 東京, the first item: with the option off it only shows the address
e2e_expect_no_capture 1
hop_expect_window_shown
hop_exit
hop_expect_settings \
    '[WINDOW]' "MAINFORM.X=$moved_x" "MAINFORM.Y=$moved_y" 'HIDE_AFTER_JUMP=0' \
    '[LIST]' 'HOPMARK_LIST.Count=2' 'HOPMARK_LIST.0=東京' 'HOPMARK_LIST.1=-memo' \
    '[CONFIG]' 'LAST_SELECT=0'

# The restart.
hop_start
hop_read_hide_after_jump
e2e_expect_equal "リンク後にウィンドウを隠す after the restart" "$HOP_HIDE_AFTER_JUMP" unchecked
hop_open_window
read -r x y _ _ < <(e2e_window_geometry "$HOP_WINDOW")
e2e_expect_equal "the window's place after the restart" "$x $y" "$moved_x $moved_y"
e2e_expect_equal "the keyword box after the restart" "$(hop_combo_text)" '東京'
e2e_key Return
e2e_expect_no_capture 1.5
hop_expect_window_shown
hop_click_label
hop_expect_jump 2 "${HOP_BASE}東京"
hop_expect_window_hidden

# Checked again, the option is stored so.
hop_menu "$HOP_MENU_HIDE_AFTER_JUMP"
hop_read_hide_after_jump
e2e_expect_equal "リンク後にウィンドウを隠す after a click on it" "$HOP_HIDE_AFTER_JUMP" checked
hop_exit
hop_expect_settings \
    '[WINDOW]' "MAINFORM.X=$moved_x" "MAINFORM.Y=$moved_y" 'HIDE_AFTER_JUMP=1' \
    '[LIST]' 'HOPMARK_LIST.Count=2' 'HOPMARK_LIST.0=東京' 'HOPMARK_LIST.1=-memo' \
    '[CONFIG]' 'LAST_SELECT=0'
