#!/usr/bin/env bash
# リスト並び替え closed with Cancel changes nothing, though the user had
# moved an item; with the keyword window shown, it stays shown.
set -euo pipefail
source "$(dirname "$0")/support/hopmark.sh"
source "$(dirname "$0")/support/reorder-dialog.sh"
e2e_begin

hop_install
hop_write_settings '[LIST]' 'HOPMARK_LIST.Count=3' 'HOPMARK_LIST.0=alpha' 'HOPMARK_LIST.1=beta' \
    'HOPMARK_LIST.2=gamma'
hop_start
hop_open_window
hop_menu "$HOP_MENU_REORDER"
reorder_open
reorder_click_left_item 1
reorder_click_button '>'
reorder_click_button Cancel
e2e_wait_window_gone "$HOP_REORDER_TITLE" 5
hop_expect_window_shown

hop_exit
hop_expect_settings \
    '[LIST]' 'HOPMARK_LIST.Count=3' 'HOPMARK_LIST.0=alpha' 'HOPMARK_LIST.1=beta' 'HOPMARK_LIST.2=gamma' \
    '[WINDOW]' 'MAINFORM.X=719' 'MAINFORM.Y=582' 'HIDE_AFTER_JUMP=1' \
    '[CONFIG]' 'LAST_SELECT=-1'
