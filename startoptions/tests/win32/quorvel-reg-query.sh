#!/bin/sh
# A first run of Quorvel.exe with "-automatic", checked with Wine's own `reg query`: the whole
# proposed set lands under HKCU\Software\Harnwick\Krumbel as keys and REG_SZ values, nothing else.
# Then a run without a display to show the dialog on: exit status 3, and nothing stored.
#   quorvel-reg-query.sh <Quorvel.exe>
# KRUMBEL_WINE_SESSION and KRUMBEL_WINE_STATE come from the test registration.
set -eu
quorvel=$1
key='HKCU\Software\Harnwick\Krumbel'
. "$(dirname "$KRUMBEL_WINE_SESSION")/wine-reg-check.sh"
# In a virtual desktop DirectDraw offers modes to choose from.
session desktop 1280x1024 Quorvel.exe
reg delete "$key" /f >/dev/null 2>&1 || true
session run "$quorvel" -automatic >/dev/null
# The numbers that depend on the machine's ratings read as N.
output=$(reg query "$key" /s | sed -E 's/^(    [A-Za-z]+(Quality|Framerate)|    Rating[A-Za-z]+)(    REG_SZ    )[0-9]+$/\1\3N/')
reg delete "$key" /f >/dev/null 2>&1 || true

expect_line() {
    if ! printf '%s\n' "$output" | grep -qxF "$1"; then
        echo "FAIL: missing line '$1'"
        failures=$((failures + 1))
    fi
}
root='HKEY_CURRENT_USER\Software\Harnwick\Krumbel'
for line in \
    "$root" \
    "    Language    REG_SZ    de" \
    "    TclDefines    REG_SZ    FULL" \
    "$root\\Screen" \
    "    DirectDrawGUID    REG_SZ    00000000 0000 0000 00 00 00 00 00 00 00 00" \
    "    Direct3DGUID    REG_SZ    84e63de0 46aa 11cf 81 6f 00 00 c0 20 15 6e" \
    "    Width    REG_SZ    1024" \
    "    Height    REG_SZ    768" \
    "    TnL    REG_SZ    0" \
    "    Fullscreen    REG_SZ    1" \
    "$root\\Performance" \
    "    TextureQuality    REG_SZ    N" \
    "    LandscapeQuality    REG_SZ    N" \
    "    ObjectQuality    REG_SZ    N" \
    "    MaxFramerate    REG_SZ    N" \
    "    RatingCPU    REG_SZ    N" \
    "    RatingMem    REG_SZ    N" \
    "    RatingGfx    REG_SZ    N" \
    "    RatingDsk    REG_SZ    N"; do
    expect_line "$line"
done
# Three keys, each with its empty default value, and sixteen values: all text.
values=$(printf '%s\n' "$output" | grep -c '^    ' || true)
texts=$(printf '%s\n' "$output" | grep -c '^    .*    REG_SZ    ' || true)
keys=$(printf '%s\n' "$output" | grep -c '^HKEY_' || true)
if [ "$values" -ne 19 ] || [ "$texts" -ne 19 ] || [ "$keys" -ne 3 ]; then
    echo "FAIL: expected 3 keys and 19 REG_SZ values, got $keys keys and $values values ($texts REG_SZ)"
    failures=$((failures + 1))
fi
if [ "$failures" -ne 0 ]; then
    printf '%s\n' "$output"
    exit 1
fi

n=200
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do
    n=$((n + 1))
done
status=0
DISPLAY=:$n sh "$KRUMBEL_WINE_SESSION" run "$KRUMBEL_WINE_STATE" "$quorvel" -automatic \
    >/dev/null 2>&1 || status=$?
output=$(reg query "$key" 2>&1 || true)
if [ "$status" -ne 3 ] || [ -n "$(printf '%s\n' "$output" | grep '^HKEY_')" ]; then
    echo "FAIL: without a display Quorvel ended with $status (3 expected) and left:"
    printf '%s\n' "$output"
    exit 1
fi
echo "reg query finds the proposed settings of a first run; without a display, status 3"
