#!/usr/bin/env bash
# A keyword beginning with "-" joins the list and jumps nowhere: the window
# stays and the label keeps the service's bare address.
set -euo pipefail
source "$(dirname "$0")/support/hopmark.sh"
e2e_begin

hop_install
hop_start
hop_open_window
label_before=$(hop_label_ink)
e2e_type '-memo'
e2e_key Return
e2e_expect_no_capture 1.5
hop_expect_window_shown
e2e_expect_equal "the label's extent" "$(hop_label_ink)" "$label_before"

hop_exit
hop_expect_settings \
    '[WINDOW]' 'MAINFORM.X=719' 'MAINFORM.Y=582' 'HIDE_AFTER_JUMP=1' \
    '[LIST]' 'HOPMARK_LIST.Count=1' 'HOPMARK_LIST.0=-memo' \
    '[CONFIG]' 'LAST_SELECT=-1'
