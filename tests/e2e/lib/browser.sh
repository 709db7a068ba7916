# The browser stand-in: Wine's winebrowser hands each address the programs
# open to a script that appends it, one a line, to a file.

e2e_browser_setup() {
    E2E_CAPTURE_SCRIPT="$E2E_WORK/capture.sh"
    E2E_CAPTURE_FILE="$E2E_WORK/captured.txt"
    : >"$E2E_CAPTURE_FILE"
    cat >"$E2E_CAPTURE_SCRIPT" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$1" >>'$E2E_CAPTURE_FILE'
SCRIPT
    chmod +x "$E2E_CAPTURE_SCRIPT"
}

# e2e_captured: prints every captured address so far, one a line.
e2e_captured() {
    cat "$E2E_CAPTURE_FILE"
}

# e2e_capture_count: how many addresses have arrived.
e2e_capture_count() {
    wc -l <"$E2E_CAPTURE_FILE"
}

# e2e_wait_capture N [TIMEOUT]: waits until at least N addresses have arrived
# (they come ~0.2 s after the program's call) and prints the Nth.
e2e_wait_capture() {
    local n=$1 timeout=${2:-$E2E_TIMEOUT}
    if ! e2e_wait_for "$timeout" "address number $n to reach the browser" e2e_capture_has "$n"; then
        echo "e2e: addresses captured: $(e2e_captured | tr '\n' ' ')" >&2
        return 1
    fi
    sed -n "${n}p" "$E2E_CAPTURE_FILE"
}

e2e_capture_has() {
    [ "$(e2e_capture_count)" -ge "$1" ]
}

# e2e_expect_no_capture [SECONDS]: waits SECONDS (default 1) and fails if any
# address arrived meanwhile; for "no browser opens".
e2e_expect_no_capture() {
    local before
    before=$(e2e_capture_count)
    sleep "${1:-1}"
    if [ "$(e2e_capture_count)" -ne "$before" ]; then
        e2e_fail "the browser was asked to open: $(sed -n "$((before + 1)),\$p" "$E2E_CAPTURE_FILE" | tr '\n' ' ')"
        return 1
    fi
}
