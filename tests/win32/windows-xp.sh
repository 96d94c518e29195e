#!/bin/sh
# Both programs on Windows XP SP3 as Wine plays it (its version for them set to winxp): the
# machine report names the system, Quorvel's first run stores its proposal and Tinkrel's Save
# stores what the player set, as the program tests check them on the prefix's default Windows.
# Wine exports every function whatever version it plays, so this checks what the programs do on
# XP, not what they import: the import check (cmake/check-imports) does that.
#   windows-xp.sh <sysreport.exe> <quorvel_program_test.exe> <Quorvel.exe>
#                 <tinkrel_test.exe> <Tinkrel.exe>
# It runs in a session of its own (registered with OWN_SESSION), whose registry alone says winxp.
set -eu
. "${KRUMBEL_WINE_SESSION%/*}/use-wine-session.sh"
sysreport=$1
quorvel_test=$2
quorvel=$3
tinkrel_test=$4
tinkrel=$5

for program in sysreport.exe Quorvel.exe Tinkrel.exe; do
    session builtin reg add "HKCU\\Software\\Wine\\AppDefaults\\$program" /v Version /d winxp \
        /f >/dev/null
done

failures=0
report=$(session run "$sysreport" | head -n 1)
case "$report" in
"Windows XP Service Pack 3 "*) ;;
*)
    echo "FAIL: the machine report does not see Windows XP SP3: $report"
    failures=$((failures + 1))
    ;;
esac
session run --beside "$quorvel" --desktop 1280x1024 "$quorvel_test" \
    --gtest_filter=QuorvelProgram.FirstRunStoresTheProposedSettings || failures=$((failures + 1))
session run --beside "$tinkrel" "$tinkrel_test" \
    --gtest_filter=TinkrelProgramTest.SaveStoresWhatThePlayerSetAndLeavesEverythingElseAsItIs ||
    failures=$((failures + 1))

[ "$failures" -eq 0 ] && echo "both programs start and store on Windows XP SP3 as Wine plays it"
exit "$failures"
