#!/bin/sh
# Quorvel.exe -automatic where no display answers: its window can't be opened, so it ends with exit
# status 3 and stores nothing. A script, since the display is the environment of the Wine process.
#   no-display.sh <Quorvel.exe>
# KRUMBEL_WINE_SESSION and KRUMBEL_WINE_STATE come from the test registration.
set -eu
quorvel=$1
session() {
    command=$1
    shift
    sh "$KRUMBEL_WINE_SESSION" "$command" "$KRUMBEL_WINE_STATE" "$@" 2>&1 | tr -d '\r'
}
key='HKCU\Software\Harnwick\Krumbel'
n=200
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do
    n=$((n + 1))
done

session builtin reg delete "$key" /f >/dev/null || true
status=0
DISPLAY=:$n sh "$KRUMBEL_WINE_SESSION" run "$KRUMBEL_WINE_STATE" "$quorvel" -automatic \
    >/dev/null 2>&1 || status=$?
output=$(session builtin reg query "$key" || true)
if [ "$status" -ne 3 ] || printf '%s\n' "$output" | grep -q '^HKEY_'; then
    echo "FAIL: without a display Quorvel ended with $status (3 expected) and left:"
    printf '%s\n' "$output"
    exit 1
fi
echo "without a display: exit status 3, nothing stored"
