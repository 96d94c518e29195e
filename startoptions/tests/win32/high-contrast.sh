#!/bin/sh
# Runs the options dialog's test of a high-contrast scheme in a Wine session of its own
# (registered with OWN_SESSION), whose system colours are those of a black high-contrast scheme
# (high-contrast-black.reg): each program reads them when it starts, so the shared session keeps
# its own. Wine doesn't report the scheme itself; the test forces the answer.
#   high-contrast.sh <start_options_dialog_test.exe>
set -eu
. "${KRUMBEL_WINE_SESSION%/*}/use-wine-session.sh"
colours=$(cd "$(dirname "$0")" && pwd)/high-contrast-black.reg
session builtin reg import "Z:$(echo "$colours" | tr / '\\')" >/dev/null
KRUMBEL_SYSTEM_COLOURS=$(basename "$colours") session run "$1" \
    --gtest_filter=StartOptionsDialogTest.HighContrastSchemeShowsEveryTextClearly
