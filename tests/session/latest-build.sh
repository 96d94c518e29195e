#!/bin/sh
# The program just built is the one a session in the build folder runs, as ./dev run runs it:
# named by the build (cmake/built-program), copied into the session's C:\krumbel, run there. The
# program is built twice with another marker, each build followed by a run; the session lies where
# a search of the build folder would come to its copy before the program. A session's copy given
# in place of the program is refused.
#   latest-build.sh <build folder> <target> <the marker header it is built with>
set -eu
here=${KRUMBEL_WINE_SESSION%/*}
. "$here/use-wine-session.sh"
build=$1
target=$2
header=$3
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
named() {
    sh "$here/built-program" "$build" "$target"
}

# The session's folder: one that the build folder lists before the folder of the program.
top=$(named)
top=${top#"$build"/}
top=${top%%/*}
for letter in a b c d e f g h; do
    KRUMBEL_WINE_STATE=$build/latest-build-$letter
    mkdir -p "$KRUMBEL_WINE_STATE"
    [ "$(ls -f "$build" | grep -x -m 1 -e "latest-build-$letter" -e "$top")" = "$top" ] || break
    rmdir "$KRUMBEL_WINE_STATE"
done
trap 'session stop >/dev/null; rm -rf "$KRUMBEL_WINE_STATE"' EXIT
session start "$(named)" >/dev/null

for build_number in 1 2; do
    marker="build $build_number of $(date +%s%N)"
    printf '#define KRUMBEL_BUILD_MARKER "%s"\n' "$marker" >"$header"
    cmake --build "$build" --target "$target" >/dev/null
    printed=$(session run "$(named)") || true
    [ "$printed" = "$marker" ] || fail "the session ran '$printed', not the program just built"
done

! session run "$(session path "C:\\krumbel\\$target.exe")" >/dev/null 2>&1 ||
    fail "the session ran its own copy given in place of the build's program"

[ "$failures" -eq 0 ] && echo "each run ran the program just built"
exit "$failures"
