#!/bin/sh
# Runs the tests of a test program that need a drive whose root can't be written: a folder of the
# build, made read-only (immutable when we are root, whom mere permissions don't stop), mapped to
# drive R: of the test's own session (registered with OWN_SESSION). Below it, R:\tmp can be
# written and R:\locked can't, for the temporary folder. The folder and the mapping are removed
# again on every exit.
#   readonly-root.sh <test.exe> <gtest filter>
set -eu
. "${KRUMBEL_WINE_SESSION%/*}/use-wine-session.sh"
program=$1
filter=$2
# In the test's working folder, in the build: a file system where a folder can be locked.
drive=$(mktemp -d "$PWD/readonly-drive.XXXXXX")

# Makes a folder read-only, also for root; false where this file system can't.
lock_folder() {
    chmod a-w "$1"
    if touch "$1/probe" 2>/dev/null; then
        rm -f "$1/probe"
        chattr +i "$1" 2>/dev/null || return 1
    fi
}

cleanup() {
    chattr -i "$drive" "$drive/locked" 2>/dev/null || true
    chmod -R u+w "$drive" 2>/dev/null || true
    rm -rf "$drive"
    session drive R
}
trap cleanup EXIT

mkdir -p "$drive/tmp" "$drive/locked"
cp "$program" "$drive/"
if ! lock_folder "$drive/locked" || ! lock_folder "$drive"; then
    echo "skipped: can't make a folder read-only for this user on this file system"
    exit 77
fi
session drive R "$drive"
KRUMBEL_READONLY_ROOT=1 session builtin "R:\\$(basename "$program")" --gtest_filter="$filter"
