#!/bin/sh
# Runs a test program that drives Quorvel.exe. Both run from the prefix's C: drive (so the disk
# test writes there) and in one virtual desktop of 1280 x 1024.
#   quorvel-program.sh <test.exe> <Quorvel.exe> [test args...]
set -eu
test_program=$1
quorvel=$2
shift 2
sh "$KRUMBEL_WINE_SESSION" desktop "$KRUMBEL_WINE_STATE" 1280x1024 Quorvel.exe \
    "$(basename "$test_program")"
sh "$KRUMBEL_WINE_SESSION" copy "$KRUMBEL_WINE_STATE" "$quorvel"
exec sh "$KRUMBEL_WINE_SESSION" run "$KRUMBEL_WINE_STATE" "$test_program" "$@"
