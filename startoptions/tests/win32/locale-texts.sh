#!/bin/sh
# Runs the options dialog's test of its accented texts in a system locale whose code page is not
# 1252, in a Wine prefix (kept for the next run) and on a display of its own: the shared test
# prefix keeps its locale. The Unix locale decides the code page Wine gives the programs; ./dev
# generates the ones these tests use.
#   locale-texts.sh <start_options_dialog_test.exe> <locale> <code page> <first display number>
set -eu
program=$1
locale=$2
root=$(cd "$(dirname "$KRUMBEL_WINE_RUN")/.." && pwd)
[ -f "$KRUMBEL_WINE_STATE/loader" ] || { echo "skipped: no Wine session"; exit 77; }
if ! locale -a | grep -qx "${locale%.UTF-8}.utf8"; then
    echo "the locale $locale is missing: ./dev test generates it" >&2
    exit 1
fi
export LC_ALL=$locale

state=$KRUMBEL_WINE_STATE/locale-$locale
# shellcheck source=../../../cmake/wine-private-session.sh
. "$root/cmake/wine-private-session.sh"
wine_private_session "$program" "$4" 1280x1024
cp "$program" "$dir/"
cd "$dir"
status=0
KRUMBEL_CODE_PAGE=$3 "$WINELOADER_PATH" "C:\\krumbel\\$(basename "$program")" \
    --gtest_filter='StartOptionsDialogTest.AccentedTextsShowAsWritten' \
    </dev/null >"$work/output" 2>&1 || status=$?
cat "$work/output"
exit $status
