#!/bin/sh
# Runs a test program that drives Quorvel.exe. Both run from the prefix's C: drive (so the disk
# test writes there) and in one virtual desktop of 1280 x 1024, where DirectDraw offers Wine's
# common modes rather than the one mode of the bare X screen.
#   quorvel-program.sh <test.exe> <Quorvel.exe> [test args...]
set -eu
test_program=$1
quorvel=$2
shift 2
state=$KRUMBEL_WINE_STATE
if [ ! -f "$state/loader" ]; then
    echo "skipped: no Wine session in $state"
    exit 77
fi
. "$(dirname "$KRUMBEL_WINE_RUN")/wine-common.sh"
wine_setup_env
wine_ensure_prefix

reg_add() {
    "$KRUMBEL_WINE_RUN" "$state" --builtin reg add "$@" /f >/dev/null
}
reg_add 'HKCU\Software\Wine\Explorer\Desktops' /v krumbel /d 1280x1024
for program in Quorvel.exe "$(basename "$test_program")"; do
    reg_add "HKCU\\Software\\Wine\\AppDefaults\\$program\\Explorer" /v Desktop /d krumbel
done

dir="$WINEPREFIX/drive_c/krumbel"
mkdir -p "$dir"
cp "$quorvel" "$dir/Quorvel.exe.tmp.$$"
mv "$dir/Quorvel.exe.tmp.$$" "$dir/Quorvel.exe"
exec "$KRUMBEL_WINE_RUN" "$state" "$test_program" "$@"
