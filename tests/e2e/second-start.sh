#!/usr/bin/env bash
# A second start while Hopmark runs ends at once with exit code 0: no second
# icon, no window, no settings file of its own; the running one goes on as
# it was, hidden.
set -euo pipefail
source "$(dirname "$0")/support/hopmark.sh"
e2e_begin

hop_install first
first_pid=
hop_start
first_pid=$HOP_PID
first_ini=$HOP_INI

hop_install second
e2e_launch "$HOP_EXE"
e2e_wait_exit "$E2E_LAST_PID" 5
e2e_expect_equal "the second start's exit code" "$E2E_EXIT_STATUS" 0
sleep 1
e2e_expect_equal "icons in the tray" "$(e2e_tray_icon_count)" 1
e2e_no_window "$HOP_TITLE" || e2e_fail "a window titled Hopmark came up"
[ ! -e "$HOP_INI" ] || e2e_fail "the second start wrote $HOP_INI"
e2e_running "$first_pid" || e2e_fail "the first instance ended"

HOP_PID=$first_pid
HOP_INI=$first_ini
hop_open_window
e2e_type 'still here'
e2e_key Return
hop_expect_jump 1 "${HOP_BASE}still%20here"
hop_exit
grep -q '^HOPMARK_LIST.0=still here' <(hop_settings) || e2e_fail "the first instance did not keep its keyword"
