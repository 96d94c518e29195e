# Sourced by the test scripts that check the registry with Wine's own `reg`. KRUMBEL_WINE_SESSION
# and KRUMBEL_WINE_STATE come from the test registration; failures counts the failed checks.
failures=0

# session <command> [args...]: a command of the tests' Wine session (cmake/wine-session), its
# output without CRs.
session() {
    command=$1
    shift
    sh "$KRUMBEL_WINE_SESSION" "$command" "$KRUMBEL_WINE_STATE" "$@" 2>/dev/null | tr -d '\r'
}
reg() {
    session builtin reg "$@"
}

# expect <what> <expected output>: the output kept in $output must be exactly that.
expect() {
    if [ "$output" = "$2" ]; then
        return
    fi
    echo "FAIL ($1): expected"
    printf '%s\n' "$2"
    echo "but got"
    printf '%s\n' "$output"
    failures=$((failures + 1))
}
