# Sourced by the end-to-end scripts of the duel over the network, after lib.sh's e2e_init and
# e2e_start_desktop: a free port, two players' games side by side, their boxes, moves and journals.

# A port nobody listens on, from the range the system does not hand out by itself.
port=$((20000 + RANDOM % 10000))
while (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; do port=$((port + 1)); done

# player NAME X ARG...: starts a game with its own data folder (its journal), waits for its main window, moves it to
# X so that the two games stand side by side, and leaves its pid and window id in PID_<NAME> and WIN_<NAME>.
player() {
    local name=$1 x=$2
    shift 2
    mkdir -p "$E2E_TMP/$name"
    XDG_DATA_HOME="$E2E_TMP/$name" e2e_start_game "$@"
    mv "$E2E_TMP/game.log" "$E2E_TMP/$name.log" 2>/dev/null || true
    local deadline=$((SECONDS + E2E_START_TIMEOUT)) id desk pid host title found=""
    while [ -z "$found" ]; do
        ((SECONDS < deadline)) || e2e_fail "the $name's main window did not appear"
        while read -r id desk pid host title; do
            [ "$pid" = "$E2E_GAME_PID" ] && [ "$title" = "$E2E_TITLE" ] && found=$id
        done < <(wmctrl -lp 2>/dev/null)
        [ -n "$found" ] || sleep 0.2
    done
    printf -v "PID_$name" '%s' "$E2E_GAME_PID"
    printf -v "WIN_$name" '%s' "$found"
    wmctrl -i -r "$found" -e "0,$x,200,-1,-1" || e2e_fail "could not move the $name's window"
    e2e_log "the $name's window is $found"
}

# as NAME: the helpers of lib.sh work on that player's game.
as() {
    local pid="PID_$1" win="WIN_$1"
    E2E_GAME_PID=${!pid}
    E2E_MAIN_ID=${!win}
}

# answer_box NAME KEY...: waits for a box or prompt of NAME's game and presses the keys in it.  Both games may open a
# prompt at once (the number, once the host has said yes); the keys wait until this one has the keyboard, or they would
# answer the other game's.
answer_box() {
    as "$1"
    shift
    local box attempt
    box=$(e2e_wait_box "$1")
    shift
    for attempt in $(seq 50); do
        xdotool windowactivate --sync "$box" >/dev/null 2>&1 || true
        sleep 0.3
        [ "$(xdotool getactivewindow 2>/dev/null)" = "$((box))" ] && break
        ((attempt < 50)) || e2e_fail "the box $box never got the keyboard"
    done
    e2e_key "$@"
}

# move NAME GUESS: NAME's move, typed on the keyboard once NAME has the turn.
move() {
    as "$1"
    e2e_wait_user_turn
    e2e_press "${2:0:1}" "${2:1:1}" "${2:2:1}" "${2:3:1}" Return
}

# journal NAME SQL: the answer of NAME's journal.
journal() { sqlite3 -batch -noheader "$E2E_TMP/$1/shelvy-zlyki/journal.sqlite" "$2"; }

