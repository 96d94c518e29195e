#!/bin/sh
# Runs the disk benchmark test from a drive whose root can't be written: a folder of the build,
# made read-only (immutable when we are root, whom mere permissions don't stop), mapped to drive R:
# of the test prefix. The folder and the mapping are removed again on every exit.
#   readonly-root.sh <disk_speed_test.exe>
set -eu
program=$1
state=$KRUMBEL_WINE_STATE
. "$(dirname "$KRUMBEL_WINE_RUN")/wine-common.sh"
wine_require_session
drive="$state/readonly-drive"
link="$WINEPREFIX/dosdevices/r:"

cleanup() {
    chattr -i "$drive" 2>/dev/null || true
    chmod -R u+w "$drive" 2>/dev/null || true
    rm -rf "$drive" "$link"
}
cleanup
trap cleanup EXIT

mkdir -p "$drive"
cp "$program" "$drive/"
chmod a-w "$drive"
if touch "$drive/probe" 2>/dev/null; then
    rm -f "$drive/probe"
    if ! chattr +i "$drive" 2>/dev/null; then
        echo "skipped: can't make a folder read-only for this user on this file system"
        exit 77
    fi
fi
ln -s "$drive" "$link"
KRUMBEL_READONLY_ROOT=1 "$KRUMBEL_WINE_RUN" "$state" --builtin "R:\\$(basename "$program")" \
    --gtest_filter='MeasureDiskSpeedReadOnlyRoot.*'
