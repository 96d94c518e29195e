#!/bin/sh
# Runs tests of a test program in a system locale whose code page is not 1252, in a Wine session
# of its own (krumbel_wine_locale_test registers it with OWN_SESSION): the shared session keeps its
# locale. The Unix locale decides the code page Wine gives the programs; ./dev generates the ones
# the tests use. The tests find the code page they are to see in KRUMBEL_CODE_PAGE.
#   run-in-locale.sh <locale> <code page> <test.exe> <gtest filter>
set -eu
. "${KRUMBEL_WINE_SESSION%/*}/use-wine-session.sh"
locale=$1
if ! locale -a | grep -qx "${locale%.UTF-8}.utf8"; then
    echo "the locale $locale is missing: ./dev test generates it" >&2
    exit 1
fi
LC_ALL=$locale KRUMBEL_CODE_PAGE=$2 session run "$3" --gtest_filter="$4"
