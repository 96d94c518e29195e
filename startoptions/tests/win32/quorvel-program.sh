#!/bin/sh
# Runs a test program that drives Quorvel.exe. Both run from the prefix's C: drive (so the disk
# test writes there) and in one virtual desktop of 1280 x 1024 (see wine_use_desktop).
#   quorvel-program.sh <test.exe> <Quorvel.exe> [test args...]
set -eu
test_program=$1
quorvel=$2
shift 2
state=$KRUMBEL_WINE_STATE
. "$(dirname "$KRUMBEL_WINE_RUN")/wine-common.sh"
wine_require_session
wine_ensure_prefix
wine_use_desktop 1280x1024 Quorvel.exe "$(basename "$test_program")"

dir="$WINEPREFIX/drive_c/krumbel"
mkdir -p "$dir"
cp "$quorvel" "$dir/Quorvel.exe.tmp.$$"
mv "$dir/Quorvel.exe.tmp.$$" "$dir/Quorvel.exe"
exec "$KRUMBEL_WINE_RUN" "$state" "$test_program" "$@"
