#!/usr/bin/env bash
# With リンク後にウィンドウを隠す unchecked from the tray menu, Enter only puts
# the address on the label: no jump, the window stays. A click on the label
# then jumps and hides the window.
set -euo pipefail
source "$(dirname "$0")/support/hopmark.sh"
e2e_begin

hop_install
hop_start
hop_menu "$HOP_MENU_HIDE_AFTER_JUMP"
hop_open_window
read -r _ _ bare_right _ < <(hop_label_ink)
e2e_type '大阪'
e2e_key Return
e2e_expect_no_capture 1.5
hop_expect_window_shown
# The longer address reaches further right on the label.
read -r _ _ right _ < <(hop_label_ink)
[ "$right" -gt "$bare_right" ] || e2e_fail "the label did not change for the address (right edge $right, was $bare_right)"

hop_click_label
hop_expect_jump 1 "${HOP_BASE}大阪"
hop_expect_window_hidden

hop_exit
hop_expect_settings \
    '[WINDOW]' 'MAINFORM.X=719' 'MAINFORM.Y=582' 'HIDE_AFTER_JUMP=0' \
    '[LIST]' 'HOPMARK_LIST.Count=1' 'HOPMARK_LIST.0=大阪' \
    '[CONFIG]' 'LAST_SELECT=-1'
