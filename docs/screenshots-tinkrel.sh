#!/bin/sh
# Takes docs/tinkrel.png: the tweak tool with every parameter at its default and
# "DIPYieldThreshold" selected, inside a Wine virtual desktop (which draws the window frame) in a
# Wine session of its own under build/screenshots-tinkrel.
#   docs/screenshots-tinkrel.sh [build-dir]   (default: build/win64; Tinkrel and tinkrel_show
#                                              are built there first)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/win64}
state=$root/build/screenshots-tinkrel
session() {
    command=$1
    shift
    sh "$root/cmake/wine-session" "$command" "$state" "$@"
}
cmake --build "$build" --target Tinkrel tinkrel_show >/dev/null
program=$(find "$build" -name Tinkrel.exe -print -quit)
show=$(find "$build" -name tinkrel_show.exe -print -quit)
trap 'session stop >/dev/null' EXIT
session start "$program" 640x600 150 >/dev/null
session copy "$program"
session desktop 640x600 Tinkrel.exe tinkrel_show.exe
# Row 3 is DIPYieldThreshold.
session run "$show" 'C:\krumbel\Tinkrel.exe' 3 'C:\krumbel\ready' >/dev/null &
session photograph 60 "$root/docs/tinkrel.png"
wait
