# Sourced by every script that drives a Wine session through cmake/wine-session, which alone knows
# what its state folder holds. It gives
#   session <command> [args...]
# the script's command on the session of the state folder $KRUMBEL_WINE_STATE (loader takes
# none). The test registration exports KRUMBEL_WINE_SESSION (the script) and KRUMBEL_WINE_STATE;
# other callers set both before they source this file.
session() {
    case "$1" in
    loader) sh "$KRUMBEL_WINE_SESSION" "$@" ;;
    *)
        session_command=$1
        shift
        sh "$KRUMBEL_WINE_SESSION" "$session_command" "$KRUMBEL_WINE_STATE" "$@"
        ;;
    esac
}
