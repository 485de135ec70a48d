# Shared steps of the end-to-end scripts: a private X desktop, the game in a fresh folder, its settings file.
#
# Usage from a script:  source lib.sh; e2e_init GAME_EXE TOOL_EXE; e2e_start_desktop; e2e_start_game; ...
# Everything started here is stopped, and the temporary folder removed, when the script exits.
# Set E2E_KEEP=1 to keep the temporary folder (its path is printed) for a look after a failure.

set -euo pipefail

readonly E2E_TITLE="Шелвы и злыки v 2.0"
readonly E2E_SETTINGS_NAME="Шелвы и злыки.ini"
readonly E2E_SCREEN_W=1280
readonly E2E_SCREEN_H=1024
# Generous limits: the sanitizer build starts and stops several times slower.
readonly E2E_START_TIMEOUT=${E2E_START_TIMEOUT:-40}
readonly E2E_EXIT_TIMEOUT=${E2E_EXIT_TIMEOUT:-30}

E2E_TMP=""
E2E_XVFB_PID=""
E2E_WM_PID=""
E2E_GAME_PID=""
E2E_GAME_RC=""
E2E_MAIN_ID=""

e2e_log() { echo "-- $*"; }

e2e_fail() {
    echo "FAIL: $*" >&2
    if [ -n "$E2E_TMP" ] && [ -s "$E2E_TMP/game.log" ]; then
        echo "---- game output ----" >&2
        tail -n 60 "$E2E_TMP/game.log" >&2
    fi
    exit 1
}

# True while process $1 runs (bash reaps its ended children at once).
e2e_running() {
    [ -n "$1" ] && kill -0 "$1" 2>/dev/null
}

# Stops process $1 of ours: TERM, then KILL after $2 seconds.
e2e_stop() {
    local pid=$1 grace=$2 i
    [ -n "$pid" ] || return 0
    if e2e_running "$pid"; then
        kill -TERM "$pid" 2>/dev/null || true
        for ((i = 0; i < grace * 10; i++)); do
            e2e_running "$pid" || break
            sleep 0.1
        done
        e2e_running "$pid" && kill -KILL "$pid" 2>/dev/null || true
    fi
    wait "$pid" 2>/dev/null || true
}

e2e_cleanup() {
    local rc=$?
    set +e
    e2e_stop "$E2E_GAME_PID" 5
    e2e_stop "$E2E_WM_PID" 2
    e2e_stop "$E2E_XVFB_PID" 2
    if [ -n "$E2E_TMP" ]; then
        if [ "${E2E_KEEP:-0}" = 1 ]; then
            echo "kept $E2E_TMP"
        else
            rm -rf -- "$E2E_TMP"
        fi
    fi
    exit "$rc"
}

# e2e_init GAME_EXE TOOL_EXE: checks the tools, makes the temporary folder with a
# copy of the game (its folder is where the settings live) and a private home.
e2e_init() {
    [ $# -ge 2 ] || { echo "usage: $0 GAME_EXE SETTINGS_TOOL" >&2; exit 2; }
    # In the sanitizer build, leak checking would report Qt's, D-Bus's and the
    # X libraries' one-off allocations in every game a script starts.
    export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
    local missing=() cmd
    for cmd in Xvfb openbox wmctrl xwininfo; do
        command -v "$cmd" >/dev/null 2>&1 || missing+=("$cmd")
    done
    [ ${#missing[@]} -eq 0 ] || e2e_fail "missing ${missing[*]} (scripts/setup.sh installs them)"
    [ -x "$1" ] || e2e_fail "no game executable at $1"
    [ -x "$2" ] || e2e_fail "no settings tool at $2"
    E2E_TOOL=$2

    E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/shelvy-e2e.XXXXXX")
    trap e2e_cleanup EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    mkdir -p "$E2E_TMP/game" "$E2E_TMP/home/.config" "$E2E_TMP/run"
    chmod 700 "$E2E_TMP/run"
    cp -- "$1" "$E2E_TMP/game/shelvy"
    # The network module beside it, where the game looks for it first.
    local module
    module="$(dirname -- "$1")/libshelvy-network.so"
    [ ! -e "$module" ] || cp -- "$module" "$E2E_TMP/game/"
    E2E_GAME_DIR="$E2E_TMP/game"
    E2E_SETTINGS="$E2E_GAME_DIR/$E2E_SETTINGS_NAME"

    # Nothing of the caller's desktop or home may leak in: the game must find
    # its settings only in its own folder.
    export HOME="$E2E_TMP/home"
    export XDG_CONFIG_HOME="$HOME/.config" XDG_CACHE_HOME="$HOME/.cache" XDG_DATA_HOME="$HOME/.local/share"
    export XDG_RUNTIME_DIR="$E2E_TMP/run"
    export LC_ALL=C.UTF-8  # wmctrl prints titles in the locale's encoding
    export QT_QPA_PLATFORM=xcb
    unset DISPLAY WAYLAND_DISPLAY SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS XAUTHORITY
}

# Starts Xvfb on a display number it finds free itself, then openbox.
e2e_start_desktop() {
    local i
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN_W}x${E2E_SCREEN_H}x24" -nolisten tcp -noreset \
        3>"$E2E_TMP/display" </dev/null >"$E2E_TMP/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    for ((i = 0; i < 100; i++)); do
        grep -qE '^[0-9]+$' "$E2E_TMP/display" 2>/dev/null && break
        e2e_running "$E2E_XVFB_PID" || e2e_fail "Xvfb did not start: $(cat "$E2E_TMP/xvfb.log")"
        sleep 0.1
    done
    grep -qE '^[0-9]+$' "$E2E_TMP/display" || e2e_fail "Xvfb reported no display number"
    export DISPLAY=":$(cat "$E2E_TMP/display")"

    openbox --sm-disable </dev/null >"$E2E_TMP/openbox.log" 2>&1 &
    E2E_WM_PID=$!
    for ((i = 0; i < 100; i++)); do
        wmctrl -m >/dev/null 2>&1 && break
        e2e_running "$E2E_WM_PID" || e2e_fail "openbox did not start: $(cat "$E2E_TMP/openbox.log")"
        sleep 0.1
    done
    wmctrl -m >/dev/null 2>&1 || e2e_fail "no window manager on $DISPLAY"
    e2e_log "desktop on $DISPLAY"
}

# e2e_start_game [ARG...]: starts the game from its folder with these arguments and no standard input.
e2e_start_game() {
    "$E2E_GAME_DIR/shelvy" "$@" </dev/null >"$E2E_TMP/game.log" 2>&1 &
    E2E_GAME_PID=$!
    E2E_GAME_RC=""
}

# Waits until the main window is managed and viewable; sets E2E_MAIN_ID.
e2e_wait_main_window() {
    local deadline=$((SECONDS + E2E_START_TIMEOUT)) id desk host title
    E2E_MAIN_ID=""
    while [ -z "$E2E_MAIN_ID" ]; do
        ((SECONDS < deadline)) || e2e_fail "the main window did not appear within ${E2E_START_TIMEOUT}s"
        e2e_running "$E2E_GAME_PID" || e2e_fail "the game ended before showing its window"
        while read -r id desk host title; do
            [ "$title" = "$E2E_TITLE" ] && E2E_MAIN_ID=$id
        done < <(wmctrl -l 2>/dev/null)
        [ -n "$E2E_MAIN_ID" ] || sleep 0.2
    done
    until xwininfo -id "$E2E_MAIN_ID" 2>/dev/null | grep -q 'Map State: IsViewable'; do
        ((SECONDS < deadline)) || e2e_fail "the main window was not mapped within ${E2E_START_TIMEOUT}s"
        sleep 0.1
    done
    e2e_log "main window $E2E_MAIN_ID is up"
}

# e2e_geometry ID: prints "x y width height" of the window's client area, x and y
# on the screen.
e2e_geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
        /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF }
        END { print x, y, w, h }'
}

# e2e_frame_origin ID: prints "x y" of the outer corner of the window with the
# frame the window manager put around it (the position the game stores).
e2e_frame_origin() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X:/ { ax = $NF } /Absolute upper-left Y:/ { ay = $NF }
        /Relative upper-left X:/ { rx = $NF } /Relative upper-left Y:/ { ry = $NF }
        END { print ax - rx, ay - ry }'
}

# The game's other managed window: the keypad.  Prints its id, or nothing.
e2e_keypad_id() {
    local id desk pid rest
    while read -r id desk pid rest; do
        if [ "$pid" = "$E2E_GAME_PID" ] && [ "$((id))" -ne "$((E2E_MAIN_ID))" ]; then
            echo "$id"
            return
        fi
    done < <(wmctrl -lp 2>/dev/null)
}

# Asks the window manager to close the main window, as a player's click on the
# close box does, and waits for the game to end; sets E2E_GAME_RC.
e2e_close_game() {
    wmctrl -i -c "$E2E_MAIN_ID" || e2e_fail "wmctrl could not ask to close $E2E_MAIN_ID"
    e2e_wait_game_end "the close request"
}

# e2e_signal_game SIGNAL: sends SIGNAL to the game, as a session's end or a
# Ctrl+C in its terminal does, and waits for it to end; sets E2E_GAME_RC.
e2e_signal_game() {
    kill -s "$1" "$E2E_GAME_PID" || e2e_fail "could not send $1 to the game"
    e2e_wait_game_end "$1"
}

# Waits for the game to end after what $1 names; sets E2E_GAME_RC.
e2e_wait_game_end() {
    local deadline=$((SECONDS + E2E_EXIT_TIMEOUT))
    while e2e_running "$E2E_GAME_PID"; do
        ((SECONDS < deadline)) || e2e_fail "the game did not end within ${E2E_EXIT_TIMEOUT}s of $1"
        sleep 0.1
    done
    E2E_GAME_RC=0
    wait "$E2E_GAME_PID" || E2E_GAME_RC=$?
    E2E_GAME_PID=""
    e2e_log "the game ended with exit code $E2E_GAME_RC"
}

# Exit code 0 and no sanitizer report.
e2e_expect_clean_exit() {
    [ "$E2E_GAME_RC" = 0 ] || e2e_fail "exit code $E2E_GAME_RC, expected 0"
    if grep -qE 'ERROR: AddressSanitizer|runtime error:|ERROR: LeakSanitizer' "$E2E_TMP/game.log"; then
        e2e_fail "the sanitizers reported a fault"
    fi
}

# e2e_decode FILE: reads the settings file's 22 lines into the array E2E_LINES
# (E2E_LINES[1] is line 1).
e2e_decode() {
    local decoded
    decoded=$("$E2E_TOOL" decode "$1") || e2e_fail "$1 is not a complete settings file"
    mapfile -t E2E_LINES <<<"$decoded"
    E2E_LINES=("" "${E2E_LINES[@]}")
    [ ${#E2E_LINES[@]} -eq 23 ] || e2e_fail "decoded ${#E2E_LINES[@]} - 1 lines, expected 22"
}

# e2e_encode FILE LINE...: writes a settings file from the given lines.
e2e_encode() {
    local file=$1
    shift
    printf '%s\n' "$@" | "$E2E_TOOL" encode "$file" || e2e_fail "could not write $file"
}

# e2e_expect_line N EXPECTED: line N of the decoded file is EXPECTED exactly.
e2e_expect_line() {
    [ "${E2E_LINES[$1]}" = "$2" ] || e2e_fail "line $1 is '${E2E_LINES[$1]}', expected '$2'"
}

# The file a first run writes: the reset records, no gallery set, keypad
# centred.  Lines 7 and 8 (the window's place) are left empty here.
readonly E2E_DEFAULTS=(
    ""
    "-" "-" "-"                      # 1-3 record times
    "-" "-"                          # 4-5 last times: computer, user
    "01"                             # 6 no gallery set
    "" ""                            # 7-8 window place
    " 2 "                            # 9 keypad centred
    "Профи" "Бывалый" "Балбес"       # 10-12 names
    " 4 " " 6 " " 9 "                # 13-15 tries
    "-" "-" "-"                      # 16-18 numbers guessed
    "-" "-" "-" "-"                  # 19-22 last tries and numbers
)

# e2e_expect_defaults FIRST LAST: lines FIRST..LAST hold the first run's values.
e2e_expect_defaults() {
    local line
    for ((line = $1; line <= $2; line++)); do
        case $line in
        7 | 8) ;;
        *) e2e_expect_line "$line" "${E2E_DEFAULTS[$line]}" ;;
        esac
    done
}

# e2e_expect_twips N PIXELS TOLERANCE: line N is a number as the file writes it
# (" 1500 ") within TOLERANCE pixels of PIXELS * 15 twips.
e2e_expect_twips() {
    local line=${E2E_LINES[$1]} value
    [[ $line =~ ^(\ [0-9]+|-[0-9]+)\ $ ]] || e2e_fail "line $1 '$line' is not a number as the file writes it"
    value=$((${line// /}))
    local diff=$((value - $2 * 15))
    ((diff < 0)) && diff=$((-diff))
    ((diff <= $3 * 15)) || e2e_fail "line $1 is $value twips, expected $(($2 * 15)) +- $(($3 * 15))"
}

# After the game ended: a clean exit, a settings file beside it and nothing
# else left over; the file is decoded into E2E_LINES.
e2e_expect_saved_exit() {
    e2e_expect_clean_exit
    [ -f "$E2E_SETTINGS" ] || e2e_fail "no settings file beside the game after it ended"
    e2e_expect_no_stray_files
    e2e_decode "$E2E_SETTINGS"
}

# e2e_expect_saved_place X Y: lines 7 and 8 hold the window's frame origin
# (pixels), within two pixels.
e2e_expect_saved_place() {
    e2e_expect_twips 7 "$1" 2
    e2e_expect_twips 8 "$2" 2
}

# The game's folder holds only the game, its network module and its settings
# file afterwards (no temporary file left over), and nothing went to the
# per-user config folder.
e2e_expect_no_stray_files() {
    local stray
    stray=$(find "$E2E_GAME_DIR" -mindepth 1 ! -name shelvy ! -name libshelvy-network.so \
        ! -name "$E2E_SETTINGS_NAME" -print)
    [ -z "$stray" ] || e2e_fail "unexpected files beside the game: $stray"
    stray=$(find "$XDG_CONFIG_HOME" -name '*.ini' -print)
    [ -z "$stray" ] || e2e_fail "settings written to the config folder too: $stray"
}

# e2e_press KEY...: gives the main window the focus and presses the keys there,
# as a player's keyboard does (xdotool's names: F2, Escape, Return, ctrl+a, 1).
e2e_press() {
    xdotool windowactivate --sync "$E2E_MAIN_ID" >/dev/null 2>&1 || true
    e2e_key "$@"
}

# e2e_key KEY...: presses the keys in the window that has the focus (an open box).
e2e_key() {
    xdotool key --clearmodifiers --delay 50 "$@" || e2e_fail "xdotool could not press $*"
}

# e2e_type TEXT: types TEXT into the window that has the focus.
e2e_type() {
    xdotool type --delay 50 "$1" || e2e_fail "xdotool could not type $1"
}

# e2e_find_box TITLE: prints the id of a window of the game other than the main
# window titled TITLE (a box or prompt); fails when there is none yet.
e2e_find_box() {
    local id desk pid host title
    while read -r id desk pid host title; do
        if [ "$pid" = "$E2E_GAME_PID" ] && [ "$title" = "$1" ] && [ "$((id))" -ne "$((E2E_MAIN_ID))" ]; then
            echo "$id"
            return 0
        fi
    done < <(wmctrl -lp 2>/dev/null)
    return 1
}

# e2e_wait_box TITLE: waits until such a window is open, and prints its id.
e2e_wait_box() {
    local deadline=$((SECONDS + E2E_START_TIMEOUT))
    while ((SECONDS < deadline)); do
        e2e_find_box "$1" && return 0
        e2e_running "$E2E_GAME_PID" || e2e_fail "the game ended while waiting for '$1'"
        sleep 0.1
    done
    e2e_fail "no window titled '$1' within ${E2E_START_TIMEOUT}s"
}

# e2e_open_from_menu MENU_KEY ITEM_KEYS TITLE: opens a menu of the main window
# by its accelerator letter, chooses the item by its letter (ITEM_KEYS: the
# letters of a submenu and its item, apart by spaces) and waits for the
# window TITLE it opens; prints its id.  On a busy machine the menu may open
# after the letter was pressed; then it is closed and opened again.
e2e_open_from_menu() {
    local attempt id
    for attempt in 1 2 3 4 5; do
        e2e_press "$1"
        sleep "$((attempt - 1)).5"
        # shellcheck disable=SC2086  # one key per word
        e2e_key $2
        for _ in $(seq 30); do
            id=$(e2e_find_box "$3") && { echo "$id"; return 0; }
            sleep 0.1
        done
        for _ in $2; do e2e_key Escape; done  # the menu and each submenu
    done
    e2e_fail "the window '$3' did not open from the menu"
}

# e2e_shoot_field W H X Y OUT: the W x H pixels of the main window's playing field at X, Y from the field's corner,
# into the picture OUT.  The field and the status bar under it are 185 pixels high; the menu bar is above them.
e2e_shoot_field() {
    local height
    import -window "$E2E_MAIN_ID" "$E2E_TMP/window.png" || e2e_fail "import could not take the main window"
    read -r _ _ _ height < <(e2e_geometry "$E2E_MAIN_ID")
    convert "$E2E_TMP/window.png" -crop "${1}x${2}+${3}+$((height - 185 + $4))" +repage "$5" ||
        e2e_fail "convert could not cut the field"
}

# Waits until the user has the turn and the game takes digits: the label "Мой вариант:" is drawn red.  Keys pressed
# while the computer is still filtering its candidates would be dropped.
e2e_wait_user_turn() {
    local deadline=$((SECONDS + E2E_START_TIMEOUT)) red
    while :; do
        # The label stands at 0, 2040 twips in the field, 2295 x 255 twips.
        e2e_shoot_field 153 17 0 136 "$E2E_TMP/turn.png"
        red=$(convert "$E2E_TMP/turn.png" txt:- | grep -c '#FF0000' || true)
        ((red > 0)) && return 0
        ((SECONDS < deadline)) || e2e_fail "the user did not get the turn within ${E2E_START_TIMEOUT}s"
        sleep 0.2
    done
}

# Milliseconds since the epoch.
e2e_now_ms() { echo $(($(date +%s%N) / 1000000)); }

# e2e_frame ID: prints "x y width height" of the window's frame: its client area with the borders and title bar
# the window manager put around it (_NET_FRAME_EXTENTS; none for a window it does not frame).
e2e_frame() {
    local x y w h extents left right top bottom
    read -r x y w h < <(e2e_geometry "$1")
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ,)
    read -r left right top bottom <<<"${extents:-0 0 0 0}"
    echo "$((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))"
}

# e2e_expect_on_screen ID WHAT: the window's frame lies whole on the screen's available area (_NET_WORKAREA).
e2e_expect_on_screen() {
    local x y w h ax ay aw ah
    read -r x y w h < <(e2e_frame "$1")
    read -r ax ay aw ah _ < <(xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g')
    e2e_log "$2: frame $x,$y ${w}x$h, available area $ax,$ay ${aw}x$ah"
    ((x >= ax && y >= ay && x + w <= ax + aw && y + h <= ay + ah)) ||
        e2e_fail "$2 leaves the screen: frame $x,$y ${w}x$h, available area $ax,$ay ${aw}x$ah"
}
