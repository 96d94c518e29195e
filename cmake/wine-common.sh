# Shared by wine-session and wine-run: the private Wine prefix and display of one build folder.
# $state is the build's Wine state folder; it holds the prefix, the loader path and the display.

wine_setup_env() {
    export WINEPREFIX="$state/prefix"
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEDEBUG="${WINEDEBUG:--all}"
    if [ -f "$state/loader" ]; then
        WINELOADER_PATH=$(cat "$state/loader")
    fi
    if [ -z "${DISPLAY:-}" ] && [ -f "$state/display" ]; then
        export DISPLAY="$(cat "$state/display")"
    fi
}

# True when the loader can run on this machine at all (a kernel without 32-bit support can't
# start the 32-bit loader).
wine_loader_runs() {
    "$1" --version >/dev/null 2>&1
}

# Creates the prefix once; later calls find it ready.
wine_ensure_prefix() {
    mkdir -p "$state"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
            "$WINELOADER_PATH" wineboot -i >"$state/wineboot.log" 2>&1
            wineserver -w
        fi
    ) 9>"$state/prefix.lock"
}

# For test scripts: the session of $state set up, or exit 77 (skipped) when the build has none.
wine_require_session() {
    if [ ! -f "$state/loader" ]; then
        echo "skipped: no Wine session in $state"
        exit 77
    fi
    wine_setup_env
}

# Prints the first X display from :$1 on that nobody uses.
wine_free_display() {
    n=$1
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do
        n=$((n + 1))
    done
    echo ":$n"
}

# wine_start_xvfb <display> <WxH> <log>: starts a virtual X display and waits until its socket
# is there; $wine_xvfb_pid is its process. Fails when it doesn't come up within 10 s.
wine_start_xvfb() {
    Xvfb "$1" -screen 0 "${2}x24" -nolisten tcp </dev/null >"$3" 2>&1 &
    wine_xvfb_pid=$!
    wine_tenths=0
    while [ ! -e "/tmp/.X11-unix/X${1#:}" ]; do
        wine_tenths=$((wine_tenths + 1))
        if [ $wine_tenths -gt 100 ] || ! kill -0 "$wine_xvfb_pid" 2>/dev/null; then
            echo "Xvfb did not start on $1" >&2
            return 1
        fi
        sleep 0.1
    done
    export DISPLAY="$1"
}

# wine_use_desktop <WxH> <program.exe>...: the programs open their windows in one virtual desktop
# of that size, where DirectDraw offers Wine's common modes rather than the one mode of the bare
# X screen, and window frames are drawn.
wine_use_desktop() {
    wine_desktop_size=$1
    shift
    "$WINELOADER_PATH" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v krumbel \
        /d "$wine_desktop_size" /f </dev/null >/dev/null 2>&1
    for wine_program in "$@"; do
        "$WINELOADER_PATH" reg add "HKCU\\Software\\Wine\\AppDefaults\\$wine_program\\Explorer" \
            /v Desktop /d krumbel /f </dev/null >/dev/null 2>&1
    done
}
