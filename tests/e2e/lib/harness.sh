# The end-to-end harness: drives real Windows programs under Wine on a private
# X display as a person would. Source this file from a test:
#
#   source "$(dirname "$0")/lib/harness.sh"
#   e2e_begin                       # Xvfb, Wine prefix, browser capture, trap
#   exe=$(e2e_install build/win32/app/hopmark.exe)
#   e2e_launch "$exe"
#   e2e_wait_tray_icon 1
#   e2e_click_tray 1 left
#   ...
#
# Every function prints "e2e: ..." on stderr and returns non-zero when it
# fails; run tests under `set -euo pipefail`. Everything the session started is
# stopped by the EXIT trap that e2e_begin sets.

e2e_lib=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
e2e_root=$(cd "$e2e_lib/../../.." && pwd)

source "$e2e_root/scripts/lib/wine-env.sh"
source "$e2e_root/scripts/lib/xvfb.sh"
source "$e2e_lib/wait.sh"
source "$e2e_lib/expect.sh"
source "$e2e_lib/session.sh"
source "$e2e_lib/browser.sh"
source "$e2e_lib/programs.sh"
source "$e2e_lib/screen.sh"
source "$e2e_lib/input.sh"
source "$e2e_lib/tray.sh"
