#!/bin/sh
# Installs the release zip as a player would, on a Wine prefix made for this run alone (a fresh
# clone of the template, registered with OWN_SESSION: none of the other tests' settings): unpacks
# it to C:\Games and runs both programs from there. `Quorvel.exe -automatic -defaults` must store
# a complete first set of settings; release_programs_test.exe then reads the programs' version
# information and manifests and closes Tinkrel.exe by Quit, which must store nothing.
#   fresh-prefix.sh <zip> <release_programs_test.exe> <version>
set -eu
. "${KRUMBEL_WINE_SESSION%/*}/use-wine-session.sh"
zip=$1
driver=$2
version=$3

folder=$(basename "$zip" .zip)
games=$(session path 'C:\Games')
mkdir -p "$games"
unzip -q "$zip" -d "$games"
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# wine_in <folder> <program> [args...]: runs a program from a folder of the prefix.
wine_in() {
    dir=$1
    shift
    (cd "$dir" && session builtin "$@")
}
key='HKCU\Software\Harnwick\Krumbel'
root='HKEY_CURRENT_USER\\Software\\Harnwick\\Krumbel'  # as a pattern

# A plain virtual X screen offers DirectDraw a single mode, which no best fit takes; Wine's virtual
# desktop offers a monitor's set of modes, as a player's machine does.
session desktop 1280x1024 Quorvel.exe
wine_in "$games/$folder" "C:\\Games\\$folder\\Quorvel.exe" -automatic -defaults ||
    fail "Quorvel.exe -automatic -defaults exited with $?"
settings=$(wine_in "$games" reg query "$key" /s) || true
# Each pattern must match a whole line of reg query's output.
for line in \
    "$root" \
    "    Language    REG_SZ    de" \
    "    TclDefines    REG_SZ    FULL" \
    "$root\\\\Screen" \
    "    Fullscreen    REG_SZ    1" \
    "    TnL    REG_SZ    [01]" \
    "    Width    REG_SZ    [1-9][0-9]*" \
    "    Height    REG_SZ    [1-9][0-9]*" \
    "    DirectDrawGUID    REG_SZ    [0-9a-f ]{42}" \
    "    Direct3DGUID    REG_SZ    [0-9a-f ]{42}" \
    "$root\\\\Performance" \
    "    ObjectQuality    REG_SZ    [0-2]" \
    "    LandscapeQuality    REG_SZ    [0-2]" \
    "    TextureQuality    REG_SZ    [0-4]" \
    "    MaxFramerate    REG_SZ    (1[0-9]|2[0-6])" \
    "    RatingCPU    REG_SZ    [0-9]+" \
    "    RatingMem    REG_SZ    [0-9]+" \
    "    RatingGfx    REG_SZ    [0-9]+" \
    "    RatingDsk    REG_SZ    [0-9]+"; do
    printf '%s\n' "$settings" | grep -Eqx "$line" || fail "Quorvel stored no line like '$line'"
done
if [ -e "$(session path 'C:\krumbeltestfile.tmp')" ]; then
    fail "the disk test left its file behind"
fi

check=$(session path 'C:\package-check')
mkdir -p "$check"
cp "$driver" "$check/"
wine_in "$check" "C:\\package-check\\$(basename "$driver")" \
    "C:\\Games\\$folder" "$version" || fail "the programs as Windows sees them, see above"
# Tinkrel's Quit stores nothing, so none of its values appeared.
if wine_in "$games" reg query "$key\\Misc" >/dev/null; then
    fail "Tinkrel stored values although it was closed by Quit"
fi

if [ "$failures" -ne 0 ]; then
    printf '%s\n' "$settings"
    exit 1
fi
echo "ok: $folder installs on a fresh prefix; both programs run from it"
