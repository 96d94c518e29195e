#!/bin/sh
# Runs a Windows test program in a Wine session of its own, on an X display of its own: for the
# tests that press keys, which go to the foreground window and the focus, both the wineserver's;
# the windows of the shared session's tests would take them. The prefix is made once, below the
# shared session's state folder; its server and display end with the run. Tests that share a
# session's name take turns (RESOURCE_LOCK).
#   own-session.sh <name> [--colours <file.reg>] <wine-session run arguments...>
# With --colours, the file's values are imported first (system colours, which every program reads
# when it starts), and the program finds the file's name in KRUMBEL_SYSTEM_COLOURS.
# KRUMBEL_WINE_SESSION and KRUMBEL_WINE_STATE come from the test registration.
set -eu
name=$1
shift
[ -f "$KRUMBEL_WINE_STATE/loader" ] || { echo "skipped: no Wine session"; exit 77; }
unset DISPLAY
state=$KRUMBEL_WINE_STATE/own-$name
session() {
    command=$1
    shift
    sh "$KRUMBEL_WINE_SESSION" "$command" "$state" "$@"
}
trap 'session stop >/dev/null' EXIT
case "$(cat "$KRUMBEL_WINE_STATE/loader")" in
*64) arch=x86_64 ;;
*) arch=i686 ;;
esac
session start "$arch" 1280x1024 300 >/dev/null
if [ "$1" = --colours ]; then
    session builtin reg import "Z:$(echo "$2" | tr / '\\')" >/dev/null
    KRUMBEL_SYSTEM_COLOURS=$(basename "$2")
    export KRUMBEL_SYSTEM_COLOURS
    shift 2
fi
session run "$@"
