#!/usr/bin/env bash
# A keyword that differs from a listed one only in letter case is not listed
# again; the address is made of the form typed.
set -euo pipefail
source "$(dirname "$0")/support/hopmark.sh"
e2e_begin

hop_install
hop_start
hop_open_window
e2e_type 'Tokyo'
e2e_key Return
hop_expect_jump 1 "${HOP_BASE}Tokyo"
hop_expect_window_hidden

hop_open_window
hop_retype 'TOKYO'
e2e_expect_equal "the keyword box" "$(hop_combo_text)" 'TOKYO'
e2e_key Return
hop_expect_jump 2 "${HOP_BASE}TOKYO"

hop_exit
hop_expect_settings \
    '[WINDOW]' 'MAINFORM.X=719' 'MAINFORM.Y=582' 'HIDE_AFTER_JUMP=1' \
    '[LIST]' 'HOPMARK_LIST.Count=1' 'HOPMARK_LIST.0=Tokyo' \
    '[CONFIG]' 'LAST_SELECT=-1'
