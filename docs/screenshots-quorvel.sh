#!/bin/sh
# Takes the pictures of Quorvel's options dialog: docs/quorvel-german.png (a first run, no
# switches), docs/quorvel-french-advanced.png ("-advanced", French chosen),
# docs/quorvel-languages.png (the language list open), docs/quorvel-notice.png (Japanese chosen),
# docs/quorvel-minimised.png, docs/quorvel-figures.png (the pointer on the rating, German) and
# docs/quorvel-150.png (a first run at 150 %, 144 dpi). Each runs inside a Wine virtual desktop
# (which draws window frames) on a virtual display of its own, with a prefix of its own under
# build/screenshots-quorvel, so every run is a first run.
#   docs/screenshots-quorvel.sh [build-dir]   (default: build/win64; Quorvel and quorvel_show
#                                              are built there first)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/win64}
state=$root/build/screenshots-quorvel
# shellcheck source=../cmake/wine-private-session.sh
. "$root/cmake/wine-private-session.sh"
wine_build_show "$build" Quorvel quorvel_show
wine_private_session "$program" 150 1280x1024
cp "$program" "$show" "$dir/"

# at_dpi <dpi>: the display scale of the programs started next. Wine reads it when its server
# starts, so the server is let go first.
at_dpi() {
    "$WINELOADER_PATH" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
        >/dev/null 2>&1
    wineserver -w
}

# shoot <scene> <picture>: brings Quorvel into the scene and photographs the window it names.
shoot() {
    rm -f "$dir/ready"
    "$WINELOADER_PATH" reg delete 'HKCU\Software\Harnwick\Krumbel' /f >/dev/null 2>&1 || true
    "$WINELOADER_PATH" explorer /desktop=Quorvel,1280x1024 'C:\krumbel\quorvel_show.exe' "$1" \
        'C:\krumbel\ready' >/dev/null 2>&1 &
    wine_photograph 90 "$root/docs/$2" "Quorvel did not come up for $1"
    wineserver -w
}

shoot german quorvel-german.png
shoot french quorvel-french-advanced.png
shoot languages quorvel-languages.png
shoot notice quorvel-notice.png
shoot minimised quorvel-minimised.png
shoot figures quorvel-figures.png
at_dpi 144
shoot german quorvel-150.png
at_dpi 96
