# Sourced by the scripts in docs/: a Wine session of their own, apart from the tests' one.
#   wine_private_session <program.exe> <first display number> <screen WxH>
# $root is the source tree, $state the session's folder (it holds the prefix). The loader fits the program (64-bit
# Wine for a PE32+ file); a virtual display is started on a free number from the given one.
# Afterwards $WINEPREFIX, $WINELOADER_PATH and $DISPLAY are set, $dir is the prefix's C:\krumbel
# and $work a scratch folder; all ends when the script exits.
# shellcheck source=wine-common.sh
. "$root/cmake/wine-common.sh"

wine_private_session() {
    mkdir -p "$state"
    case "$(file -b "$1")" in
    PE32+*) echo /usr/lib/wine/wine64 >"$state/loader" ;;
    *) echo /usr/lib/wine/wine >"$state/loader" ;;
    esac
    DISPLAY=$(wine_free_display "$2")
    export DISPLAY
    Xvfb "$DISPLAY" -screen 0 "$3x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    work=$(mktemp -d)
    trap wine_private_session_end EXIT
    sleep 1
    wine_setup_env
    wine_ensure_prefix
    dir="$WINEPREFIX/drive_c/krumbel"
    mkdir -p "$dir"
}

wine_private_session_end() {
    wineserver -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
