#!/bin/sh
# Takes the pictures in docs/. Of Quorvel's options dialog: quorvel-german.png (a first run, no
# switches), quorvel-french-advanced.png ("-advanced", French chosen), quorvel-languages.png (the
# language list open), quorvel-notice.png (Japanese chosen), quorvel-minimised.png,
# quorvel-figures.png (the pointer on the rating, German), quorvel-150.png (a first run at
# 150 %, 144 dpi), quorvel-high-contrast.png ("-advanced", French, under a black
# high-contrast scheme, in a session of its own) and quorvel-no-3d.png (a first run where the
# graphics offer the game no 3D: Wine's 3D turned off, in a session of its own); of the tweak tool: tinkrel.png, every parameter
# at its default and "DIPYieldThreshold" selected. Each scene starts with no settings stored, inside a Wine virtual
# desktop (which draws window frames), in a Wine session of its own under <build-dir>/screenshots.
#   docs/screenshots.sh [build-dir]   (default: build/win64; the programs and their show
#                                      programs are built there first)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/win64}
export KRUMBEL_WINE_SESSION="$root/cmake/wine-session"
export KRUMBEL_WINE_STATE="$build/screenshots"
. "$root/cmake/use-wine-session.sh"
cmake --build "$build" --target Quorvel quorvel_show Tinkrel tinkrel_show >/dev/null
built() {
    sh "$root/cmake/built-program" "$build" "$1"
}
quorvel=$(built Quorvel)
tinkrel=$(built Tinkrel)
trap 'session stop >/dev/null' EXIT
session start --fresh "$quorvel" 1280x1024 >/dev/null
session copy "$quorvel" "$tinkrel"
session desktop 1280x1024 Quorvel.exe Tinkrel.exe quorvel_show.exe tinkrel_show.exe

# shoot <show program> <picture> <scene...>: the show program brings its program into the scene
# and names the window to photograph.
shoot() {
    show=$(built "$1")
    picture=$2
    shift 2
    session builtin reg delete 'HKCU\Software\Harnwick\Krumbel' /f >/dev/null 2>&1 || true
    session run "$show" "$@" 'C:\krumbel\ready' >/dev/null &
    session photograph 90 "$root/docs/$picture"
    wait
}

shoot quorvel_show quorvel-german.png german
shoot quorvel_show quorvel-french-advanced.png french
shoot quorvel_show quorvel-languages.png languages
shoot quorvel_show quorvel-notice.png notice
shoot quorvel_show quorvel-minimised.png minimised
shoot quorvel_show quorvel-figures.png figures
# Row 3 is DIPYieldThreshold.
shoot tinkrel_show tinkrel.png 3
session scale 144
shoot quorvel_show quorvel-150.png german

# Under the black high-contrast scheme: a session of its own, whose system colours are the
# scheme's.
session stop >/dev/null
KRUMBEL_WINE_STATE="$build/screenshots-high-contrast"
session start --fresh "$quorvel" 1280x1024 >/dev/null
colours=$root/startoptions/tests/win32/high-contrast-black.reg
session builtin reg import "Z:$(echo "$colours" | tr / '\\')" >/dev/null
session desktop 1280x1024 quorvel_show.exe
shoot quorvel_show quorvel-high-contrast.png high-contrast

# Where the graphics offer the game no 3D: Wine's 3D turned off, which every program of the
# session reads when it starts.
session stop >/dev/null
KRUMBEL_WINE_STATE="$build/screenshots-no-3d"
session start --fresh "$quorvel" 1280x1024 >/dev/null
session builtin reg add 'HKCU\Software\Wine\Direct3D' /v renderer /t REG_SZ /d no3d /f >/dev/null
session copy "$quorvel"
session desktop 1280x1024 Quorvel.exe quorvel_show.exe
shoot quorvel_show quorvel-no-3d.png german
