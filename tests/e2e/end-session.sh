#!/usr/bin/env bash
# The end of the Windows session (wineboot -e, which sends
# WM_QUERYENDSESSION and WM_ENDSESSION) saves the settings as Exit does.
set -euo pipefail
source "$(dirname "$0")/support/hopmark.sh"
e2e_begin

hop_install
hop_start
hop_open_window
e2e_type '東京'
e2e_key Return
hop_expect_jump 1 "${HOP_BASE}東京"
hop_menu "$HOP_MENU_HIDE_AFTER_JUMP"
[ ! -e "$HOP_INI" ] || e2e_fail "the settings were written before the session ended"

wineboot -e >>"$E2E_WORK/logs/wine.log" 2>&1
e2e_wait_for 10 "the settings file" test -s "$HOP_INI"
hop_expect_settings \
    '[WINDOW]' 'MAINFORM.X=719' 'MAINFORM.Y=582' 'HIDE_AFTER_JUMP=0' \
    '[LIST]' 'HOPMARK_LIST.Count=1' 'HOPMARK_LIST.0=東京' \
    '[CONFIG]' 'LAST_SELECT=-1'
e2e_wait_exit "$HOP_PID" 10
