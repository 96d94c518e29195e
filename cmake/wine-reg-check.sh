# Sourced by the test scripts that check the registry with Wine's own `reg`. KRUMBEL_WINE_RUN and
# KRUMBEL_WINE_STATE come from the test registration; failures counts the failed checks.
failures=0

# Runs a program (or with --builtin one of Wine's) in the tests' prefix; output without CRs.
wine_run() {
    sh "$KRUMBEL_WINE_RUN" "$KRUMBEL_WINE_STATE" "$@" 2>/dev/null | tr -d '\r'
}
reg() {
    wine_run --builtin reg "$@"
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
