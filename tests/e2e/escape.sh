#!/usr/bin/env bash
# Esc hides the keyword window and changes nothing else: no jump, nothing
# listed, and the text is still there when the window comes back.
set -euo pipefail
source "$(dirname "$0")/support/hopmark.sh"
e2e_begin

hop_install
hop_start
hop_open_window
e2e_type '京都'
e2e_key Escape
hop_expect_window_hidden
e2e_expect_no_capture 1

hop_open_window
e2e_expect_equal "the keyword box when shown again" "$(hop_combo_text)" '京都'
e2e_key Escape
hop_expect_window_hidden

hop_exit
hop_expect_settings \
    '[WINDOW]' 'MAINFORM.X=719' 'MAINFORM.Y=582' 'HIDE_AFTER_JUMP=1' \
    '[LIST]' 'HOPMARK_LIST.Count=0' \
    '[CONFIG]' 'LAST_SELECT=-1'
e2e_expect_equal "addresses opened" "$(e2e_capture_count)" 0
