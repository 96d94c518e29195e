#!/bin/sh
# Quorvel.exe -automatic where no display answers: its window can't be opened, so it ends with exit
# status 3 and stores nothing. A script, since the display is the environment of the Wine process.
#   no-display.sh <Quorvel.exe>
# KRUMBEL_WINE_SESSION and KRUMBEL_WINE_STATE come from the test registration.
set -eu
. "${KRUMBEL_WINE_SESSION%/*}/use-wine-session.sh"
quorvel=$1
key='HKCU\Software\Harnwick\Krumbel'

session builtin reg delete "$key" /f >/dev/null 2>&1 || true
status=0
session run --no-display "$quorvel" -automatic >/dev/null 2>&1 || status=$?
output=$(session builtin reg query "$key" 2>&1 || true)
if [ "$status" -ne 3 ] || printf '%s\n' "$output" | grep -q '^HKEY_'; then
    echo "FAIL: without a display Quorvel ended with $status (3 expected) and left:"
    printf '%s\n' "$output"
    exit 1
fi
echo "without a display: exit status 3, nothing stored"
