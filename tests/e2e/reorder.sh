#!/usr/bin/env bash
# リスト並び替え from the tray menu, while the keyword window is hidden:
# the user moves gamma and then alpha to the right side and presses OK; the
# list becomes gamma, alpha and beta is dropped. The file keeps the old third
# item beyond the new count. (The dialog's owner is the keyword window: its
# window is made then, hidden, and takes its place on the screen.)
set -euo pipefail
source "$(dirname "$0")/support/hopmark.sh"
source "$(dirname "$0")/support/reorder-dialog.sh"
e2e_begin

hop_install
hop_write_settings '[LIST]' 'HOPMARK_LIST.Count=3' 'HOPMARK_LIST.0=alpha' 'HOPMARK_LIST.1=beta' \
    'HOPMARK_LIST.2=gamma'
hop_start
hop_menu "$HOP_MENU_REORDER"
reorder_open
reorder_click_left_item 2
reorder_click_button '>'
reorder_click_left_item 0
reorder_click_button '>'
e2e_screenshot reorder-before-ok >/dev/null
reorder_click_button OK
e2e_wait_window_gone "$HOP_REORDER_TITLE" 5
e2e_no_window "$HOP_TITLE" || e2e_fail "the keyword window came up"

hop_exit
hop_expect_settings \
    '[LIST]' 'HOPMARK_LIST.Count=2' 'HOPMARK_LIST.0=gamma' 'HOPMARK_LIST.1=alpha' 'HOPMARK_LIST.2=gamma' \
    '[WINDOW]' 'MAINFORM.X=719' 'MAINFORM.Y=582' 'HIDE_AFTER_JUMP=1' \
    '[CONFIG]' 'LAST_SELECT=-1'
