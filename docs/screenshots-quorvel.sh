#!/bin/sh
# Takes the pictures of Quorvel's options dialog: docs/quorvel-german.png (a first run, no
# switches), docs/quorvel-french-advanced.png ("-advanced", French chosen),
# docs/quorvel-languages.png (the language list open), docs/quorvel-notice.png (Japanese chosen),
# docs/quorvel-minimised.png, docs/quorvel-figures.png (the pointer on the rating, German) and
# docs/quorvel-150.png (a first run at 150 %, 144 dpi). Each runs inside a Wine virtual desktop
# (which draws window frames) in a Wine session of its own under build/screenshots-quorvel, so
# every run is a first run.
#   docs/screenshots-quorvel.sh [build-dir]   (default: build/win64; Quorvel and quorvel_show
#                                              are built there first)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/win64}
state=$root/build/screenshots-quorvel
session() {
    command=$1
    shift
    sh "$root/cmake/wine-session" "$command" "$state" "$@"
}
cmake --build "$build" --target Quorvel quorvel_show >/dev/null
program=$(find "$build" -name Quorvel.exe -print -quit)
show=$(find "$build" -name quorvel_show.exe -print -quit)
trap 'session stop >/dev/null' EXIT
session start "$program" 1280x1024 150 >/dev/null
session copy "$program" "$show"
session desktop 1280x1024 Quorvel.exe quorvel_show.exe

# shoot <scene> <picture>: brings Quorvel into the scene and photographs the window it names.
shoot() {
    session builtin reg delete 'HKCU\Software\Harnwick\Krumbel' /f >/dev/null 2>&1 || true
    session run "$show" "$1" 'C:\krumbel\ready' >/dev/null &
    session photograph 90 "$root/docs/$2"
    wait
}

shoot german quorvel-german.png
shoot french quorvel-french-advanced.png
shoot languages quorvel-languages.png
shoot notice quorvel-notice.png
shoot minimised quorvel-minimised.png
shoot figures quorvel-figures.png
session scale 144
shoot german quorvel-150.png
