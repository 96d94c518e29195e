#!/bin/sh
# Runs the options dialog's test of its accented texts, and the registry binding's test of the
# bytes it stores, in a system locale whose code page is not 1252, in a Wine session of its own
# (registered with OWN_SESSION): the shared session keeps its locale. The Unix locale decides the
# code page Wine gives the programs; ./dev generates the ones these tests use.
#   locale-texts.sh <start_options_dialog_test.exe> <locale> <code page> <cfgregistry_test.exe>
set -eu
. "${KRUMBEL_WINE_SESSION%/*}/use-wine-session.sh"
program=$1
locale=$2
if ! locale -a | grep -qx "${locale%.UTF-8}.utf8"; then
    echo "the locale $locale is missing: ./dev test generates it" >&2
    exit 1
fi
LC_ALL=$locale KRUMBEL_CODE_PAGE=$3 session run "$program" \
    --gtest_filter='StartOptionsDialogTest.AccentedTextsShowAsWritten'
LC_ALL=$locale KRUMBEL_CODE_PAGE=$3 session run "$4" \
    --gtest_filter='CfgRegistryTest.TextsAreStoredAsTheAFunctionsStoreThem'
