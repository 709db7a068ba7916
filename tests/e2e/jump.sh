#!/usr/bin/env bash
# A typed keyword with blanks around it, half-width before and full-width
# after, jumps once to the service's address of the trimmed keyword, joins
# the list, and the window hides.
set -euo pipefail
source "$(dirname "$0")/support/hopmark.sh"
e2e_begin

hop_install
hop_start
hop_open_window
e2e_type '  東京　'
e2e_key Return
hop_expect_jump 1 "${HOP_BASE}東京"
hop_expect_window_hidden

hop_exit
hop_expect_settings \
    '[WINDOW]' 'MAINFORM.X=719' 'MAINFORM.Y=582' 'HIDE_AFTER_JUMP=1' \
    '[LIST]' 'HOPMARK_LIST.Count=1' 'HOPMARK_LIST.0=東京' \
    '[CONFIG]' 'LAST_SELECT=-1'
