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
