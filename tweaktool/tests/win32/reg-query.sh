#!/bin/sh
# Tinkrel's Save seen by Wine's own `reg`: settings stored with `reg add` (a start-options value,
# an out-of-range tweak value), then the driver sets GameSaveCompression to 9 and saves, and
# `reg query` must list every tweak value in its group beside the values that were there.
#   reg-query.sh <tinkrel_test.exe> <Tinkrel.exe>
# KRUMBEL_WINE_RUN and KRUMBEL_WINE_STATE come from the test registration.
set -eu
driver=$1
program=$2
key='HKCU\Software\Harnwick\Krumbel'
. "$(dirname "$KRUMBEL_WINE_RUN")/wine-reg-check.sh"

reg delete 'HKCU\Software\Harnwick' /f >/dev/null || true
reg add "$key\\Performance" /v MaxFramerate /t REG_SZ /d 25 /f >/dev/null
reg add "$key\\Misc" /v ThreadPriority /t REG_SZ /d 7 /f >/dev/null
reg add "$key\\Misc" /v GameSaveCompression /t REG_SZ /d 3 /f >/dev/null

# The pipe in wine_run hides the driver's exit status: its report tells instead.
output=$(wine_run "$driver" --gtest_also_run_disabled_tests \
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
    (Default)    REG_SZ    
    DIPYieldThreshold    REG_SZ    0
    GameSaveCompression    REG_SZ    9
    MinThreadSleep    REG_SZ    0
    NoGamespeedLock    REG_SZ    0
    PauseOnDeactivate    REG_SZ    0
    RedundantStateChanges    REG_SZ    0
    ShowFMV    REG_SZ    0
    ShowQuotes    REG_SZ    0
    ThreadPriority    REG_SZ    7
    ValidateRenderjobs    REG_SZ    0"

output=$(reg query "$key\\Performance")
expect "reg query of Performance" "
HKEY_CURRENT_USER\\Software\\Harnwick\\Krumbel\\Performance
    (Default)    REG_SZ    
    AnimInterpolation    REG_SZ    0
    BorderMask    REG_SZ    0
    LazyTextureLoad    REG_SZ    0
    LightGlow    REG_SZ    0
    MaxFramerate    REG_SZ    25
    MaxShadowLightDist    REG_SZ    0
    MultiTexture    REG_SZ    0
    Particles    REG_SZ    0
    TexVideoMemLimit    REG_SZ    0
    UseEnvMapping    REG_SZ    0
    WebServer    REG_SZ    0"

reg delete 'HKCU\Software\Harnwick' /f >/dev/null || true
[ "$failures" -eq 0 ] && echo "reg query finds what Tinkrel saved, beside what was there"
exit "$failures"
