# Checks of what a test saw: each names what it checks and reports a
# mismatch as a failure.

# e2e_expect_equal WHAT GOT WANT: fails unless GOT is exactly WANT (several
# lines are shown as a diff).
e2e_expect_equal() {
    local what=$1 got=$2 want=$3
    [ "$got" == "$want" ] && return 0
    if [[ $want == *$'\n'* || $got == *$'\n'* ]]; then
        e2e_fail "$what differs (- wanted, + got):"$'\n'"$(diff <(printf '%s\n' "$want") <(printf '%s\n' "$got") | grep '^[<>]' | sed 's/^</-/; s/^>/+/')"
    else
        e2e_fail "$what: got \"$got\", want \"$want\""
    fi
}

# e2e_expect WHAT COMMAND...: fails unless COMMAND succeeds.
e2e_expect() {
    local what=$1
    shift
    "$@" || e2e_fail "expected: $what"
}
