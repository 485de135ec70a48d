# Sourced by the scripts that show the game: a private X desktop (Xvfb and openbox) with a fresh
# home, so that nothing of the caller's settings is read or written.
#   private_desktop_start PREFIX WIDTHxHEIGHT
# makes $tmp (removed at exit with every process in $pids, last started first killed), with
# $tmp/home and $tmp/run as the home and runtime folders, and exports DISPLAY.

private_desktop_start() {
    local prefix=$1 screen=$2
    tmp=$(mktemp -d "${TMPDIR:-/tmp}/$prefix.XXXXXX")
    pids=()
    trap private_desktop_stop EXIT
    mkdir -p "$tmp/home" "$tmp/run"
    chmod 700 "$tmp/run"
    export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/home/.config XDG_DATA_HOME=$tmp/home/.local/share XDG_RUNTIME_DIR=$tmp/run
    export QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS XAUTHORITY

    Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$tmp/display" </dev/null >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do grep -qE '^[0-9]+$' "$tmp/display" 2>/dev/null && break; sleep 0.1; done
    export DISPLAY=":$(cat "$tmp/display")"
    openbox --sm-disable </dev/null >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
}

private_desktop_stop() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf -- "$tmp"
}
