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

source "$(dirname "${BASH_SOURCE[0]}")/network_lib.sh"

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
