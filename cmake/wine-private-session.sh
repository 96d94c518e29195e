# Sourced by the scripts in docs/ and the tests in a locale of their own: a Wine session of their
# own, apart from the tests' one.
#   wine_private_session <program.exe> <first display number> <screen WxH>
# $root is the source tree, $state the session's folder (it holds the prefix). The loader fits
# the program (64-bit Wine for a PE32+ file); a virtual display starts on a free number from the
# given one.
# Afterwards $WINEPREFIX, $WINELOADER_PATH and $DISPLAY are set, $dir is the prefix's C:\krumbel
# and $work a scratch folder; all ends when the script exits.
# shellcheck source=wine-common.sh
. "$root/cmake/wine-common.sh"

# wine_build_show <build-dir> <program target> <show target>: builds both; afterwards $program is
# the program and $show the program that sets the scene of its pictures.
wine_build_show() {
    cmake --build "$1" --target "$2" "$3" >/dev/null
    program=$(find "$1" -name "$2.exe" -print -quit)
    show=$(find "$1" -name "$3.exe" -print -quit)
}

wine_private_session() {
    mkdir -p "$state"
    case "$(file -b "$1")" in
    PE32+*) echo /usr/lib/wine/wine64 >"$state/loader" ;;
    *) echo /usr/lib/wine/wine >"$state/loader" ;;
    esac
    work=$(mktemp -d)
    xvfb=
    trap wine_private_session_end EXIT
    wine_start_xvfb "$(wine_free_display "$2")" "$3" /dev/null || exit 1
    xvfb=$wine_xvfb_pid
    wine_setup_env
    wine_ensure_prefix
    dir="$WINEPREFIX/drive_c/krumbel"
    mkdir -p "$dir"
}

wine_private_session_end() {
    wineserver -k 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}

# wine_photograph <seconds> <picture.png> <complaint>: waits until the show program has written
# its window's place (x y w h) to $dir/ready and photographs that part of the screen; gives up
# with the complaint after the seconds.
wine_photograph() {
    wine_tenths=0
    while [ ! -s "$dir/ready" ]; do
        wine_tenths=$((wine_tenths + 1))
        [ $wine_tenths -le $(($1 * 10)) ] || { echo "$3" >&2; exit 1; }
        sleep 0.1
    done
    sleep 0.5
    read -r x y w h <"$dir/ready"
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "${w}x${h}+${x}+${y}" +repage "$2"
    echo "wrote $2"
}
