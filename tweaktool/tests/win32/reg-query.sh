#!/bin/sh
# Tinkrel's Save seen by Wine's own `reg`: settings stored with `reg add` (a start-options value,
# an out-of-range tweak value), then the driver sets GameSaveCompression to 9 and saves, and
# `reg query` must list the values that were there and the one the player set, and no others:
# what was never stored stays missing, and the keys that were there get no default value.
#   reg-query.sh <tinkrel_test.exe> <Tinkrel.exe>
# KRUMBEL_WINE_SESSION and KRUMBEL_WINE_STATE come from the test registration.
set -eu
driver=$1
program=$2
key='HKCU\Software\Harnwick\Krumbel'
. "$(dirname "$KRUMBEL_WINE_SESSION")/wine-reg-check.sh"

reg delete 'HKCU\Software\Harnwick' /f >/dev/null || true
reg add "$key\\Performance" /v MaxFramerate /t REG_SZ /d 25 /f >/dev/null
reg add "$key\\Misc" /v ThreadPriority /t REG_SZ /d 7 /f >/dev/null
reg add "$key\\Misc" /v GameSaveCompression /t REG_SZ /d 3 /f >/dev/null

# The pipe in session hides the driver's exit status: its report tells instead.
output=$(session run "$driver" --gtest_also_run_disabled_tests \
    --gtest_filter=TinkrelScripted.DISABLED_SaveGameSaveCompressionNine "$program")
case "$output" in
*"[  PASSED  ] 1 test"*) ;;
*)
    printf '%s\n' "$output"
    echo "FAIL: the driver could not save through Tinkrel"
    failures=$((failures + 1))
    ;;
esac

output=$(reg query "$key\\Misc")
expect "reg query of Misc" "
HKEY_CURRENT_USER\\Software\\Harnwick\\Krumbel\\Misc
    GameSaveCompression    REG_SZ    9
    ThreadPriority    REG_SZ    7"

output=$(reg query "$key\\Performance")
expect "reg query of Performance" "
HKEY_CURRENT_USER\\Software\\Harnwick\\Krumbel\\Performance
    MaxFramerate    REG_SZ    25"

reg delete 'HKCU\Software\Harnwick' /f >/dev/null || true
[ "$failures" -eq 0 ] && echo "reg query finds what Tinkrel saved, beside what was there"
exit "$failures"
