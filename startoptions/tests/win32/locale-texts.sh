#!/bin/sh
# Runs the options dialog's test of its accented texts, and the registry binding's test of the
# bytes it stores, in a system locale whose code page is not 1252, in a Wine session of its own (its prefix kept for the next run, a display of its own): the
# shared test prefix keeps its locale. The Unix locale decides the code page Wine gives the
# programs; ./dev generates the ones these tests use.
#   locale-texts.sh <start_options_dialog_test.exe> <locale> <code page> <first display number>
#                   <cfgregistry_test.exe>
set -eu
program=$1
locale=$2
[ -f "$KRUMBEL_WINE_STATE/loader" ] || { echo "skipped: no Wine session"; exit 77; }
if ! locale -a | grep -qx "${locale%.UTF-8}.utf8"; then
    echo "the locale $locale is missing: ./dev test generates it" >&2
    exit 1
fi
export LC_ALL=$locale
unset DISPLAY

state=$KRUMBEL_WINE_STATE/locale-$locale
session() {
    command=$1
    shift
    sh "$KRUMBEL_WINE_SESSION" "$command" "$state" "$@"
}
trap 'session stop >/dev/null' EXIT
session start "$program" 1280x1024 "$4" >/dev/null
KRUMBEL_CODE_PAGE=$3 session run "$program" \
    --gtest_filter='StartOptionsDialogTest.AccentedTextsShowAsWritten'
KRUMBEL_CODE_PAGE=$3 session run "$5" \
    --gtest_filter='CfgRegistryTest.TextsAreStoredAsTheAFunctionsStoreThem'
