#!/bin/sh
# Takes docs/tinkrel.png: the tweak tool with every parameter at its default and
# "DIPYieldThreshold" selected, inside a Wine virtual desktop (which draws the window frame) on
# a virtual display of its own, with a prefix of its own under build/screenshots.
#   docs/screenshots-tinkrel.sh [build-dir]   (default: build/win64; Tinkrel and tinkrel_show
#                                              are built there first)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/win64}
state=$root/build/screenshots
# shellcheck source=../cmake/wine-private-session.sh
. "$root/cmake/wine-private-session.sh"
wine_build_show "$build" Tinkrel tinkrel_show
wine_private_session "$program" 150 640x600
cp "$program" "$show" "$dir/"
rm -f "$dir/ready"
# Row 3 is DIPYieldThreshold; programs started in the desktop stay in it.
"$WINELOADER_PATH" explorer /desktop=Tinkrel,640x600 'C:\krumbel\tinkrel_show.exe' \
    'C:\krumbel\Tinkrel.exe' 3 'C:\krumbel\ready' >/dev/null 2>&1 &
wine_photograph 60 "$root/docs/tinkrel.png" "Tinkrel did not come up"
