#!/usr/bin/env bash
# Two real games on one X display play a whole duel over the network with keys alone: one started with --host, the
# other with --join 127.0.0.1:PORT; the host's player says yes, both type their numbers, the host finds the guest's
# number in the first round and the guest misses with its last move.  Both journals keep the duel, and both games end
# cleanly when closed.
# Usage: network_duel.sh GAME_EXE SETTINGS_TOOL
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
for cmd in xdotool sqlite3 convert; do
    command -v "$cmd" >/dev/null || e2e_fail "missing $cmd (scripts/setup.sh installs it)"
done
e2e_init "$@"
e2e_start_desktop

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

# answer_box NAME KEY...: waits for a box or prompt of NAME's game and presses the keys in it.
answer_box() {
    as "$1"
    shift
    local box
    box=$(e2e_wait_box "$1")
    shift
    xdotool windowactivate --sync "$box" >/dev/null 2>&1 || true
    sleep 0.3
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

player host 40 --host "$port" --name Аня
player guest 700 --join "127.0.0.1:$port" --name Боря

answer_box host "Шелвы и злыки" Return                            # "Игрок «Боря» ... Начать дуэль?": Да
answer_box host "$E2E_TITLE" ctrl+a 1 2 3 4 Return                 # "Загадайте число:"
answer_box guest "$E2E_TITLE" ctrl+a 5 6 7 8 Return
move host 5678                                                     # the guest's number, found at once
move guest 9876                                                    # the guest's last move of the round misses
answer_box host "Шелвы и злыки" Return                             # "Вы победили! ..."
answer_box guest "Шелвы и злыки" Return                            # "Победил соперник «Аня». ..."

# outcome 1: the player's win, 2: the opponent's; mode 2: over the network.
for side in host guest; do
    deadline=$((SECONDS + E2E_START_TIMEOUT))
    until [ "$(journal "$side" 'SELECT count(*) FROM games WHERE outcome > 0' 2>/dev/null)" = 1 ]; do
        ((SECONDS < deadline)) || e2e_fail "the $side's journal holds no finished game"
        sleep 0.2
    done
done
[ "$(journal host 'SELECT mode, outcome, opponent_name, opponent_address, player_number, computer_number FROM games')" \
    = "2|1|Боря|127.0.0.1|1234|5678" ] || e2e_fail "the host's journal: $(journal host 'SELECT * FROM games')"
[ "$(journal guest 'SELECT mode, outcome, opponent_name, player_number, computer_number FROM games')" \
    = "2|2|Аня|5678|1234" ] || e2e_fail "the guest's journal: $(journal guest 'SELECT * FROM games')"
[ "$(journal host 'SELECT group_concat(guess, char(32)) FROM (SELECT guess FROM moves ORDER BY ord)')" = "5678 9876" ] ||
    e2e_fail "the host's moves: $(journal host 'SELECT * FROM moves')"

for side in host guest; do
    as "$side"
    e2e_close_game
    [ "$E2E_GAME_RC" = 0 ] || e2e_fail "the $side ended with exit code $E2E_GAME_RC"
done
e2e_log "a whole duel over the network, played with keys"
