#!/usr/bin/env bash
# Two real games on one X display begin a duel over the network (--host and --join, yes, both numbers, the host's
# first move), then the guest's player closes the window with the close box.  The host is told it won
# ("Соперник покинул дуэль. Победа засчитана вам." in its box), and both journals agree: the guest's records its own
# forfeit, written before it ended, the host's the guest's forfeit.  With E2E_SHOTS=FOLDER the screen is kept there as
# PNG pictures: the duel under way, and the host's box after the guest left.
# Usage: network_leave.sh GAME_EXE SETTINGS_TOOL
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
for cmd in xdotool sqlite3 convert import; do
    command -v "$cmd" >/dev/null || e2e_fail "missing $cmd (scripts/setup.sh installs it)"
done
e2e_init "$@"
e2e_start_desktop

source "$(dirname "${BASH_SOURCE[0]}")/network_lib.sh"

# shoot NAME: the whole screen into $E2E_SHOTS/NAME.png, when asked for.
shoot() {
    [ -n "${E2E_SHOTS:-}" ] || return 0
    mkdir -p "$E2E_SHOTS"
    import -window root "$E2E_SHOTS/$1.png" || e2e_fail "import could not take the screen"
}

player host 40 --host "$port" --name Аня
player guest 700 --join "127.0.0.1:$port" --name Боря

answer_box host "Шелвы и злыки" Return             # "Игрок «Боря» ... Начать дуэль?": Да
answer_box host "$E2E_TITLE" ctrl+a 1 2 3 4 Return  # "Загадайте число:"
answer_box guest "$E2E_TITLE" ctrl+a 5 6 7 8 Return
move host 9876                                      # no find: the guest's turn, both have committed
as guest
e2e_wait_user_turn
shoot duel-under-way

e2e_close_game                                      # the guest's close box
[ "$E2E_GAME_RC" = 0 ] || e2e_fail "the guest ended with exit code $E2E_GAME_RC"
# outcome 9: the player's own forfeit; 7: the opponent's.  The guest's was written before it ended.
[ "$(journal guest 'SELECT mode, outcome, opponent_name FROM games')" = "2|9|Аня" ] ||
    e2e_fail "the guest's journal: $(journal guest 'SELECT * FROM games')"

as host
box=$(e2e_wait_box "Шелвы и злыки")                # "Соперник покинул дуэль. Победа засчитана вам."
sleep 0.5
shoot host-told
xdotool windowactivate --sync "$box" >/dev/null 2>&1 || true
e2e_key Return
deadline=$((SECONDS + E2E_START_TIMEOUT))
until [ "$(journal host 'SELECT count(*) FROM games WHERE outcome > 0' 2>/dev/null)" = 1 ]; do
    ((SECONDS < deadline)) || e2e_fail "the host's journal holds no finished game"
    sleep 0.2
done
[ "$(journal host 'SELECT mode, outcome, opponent_name, computer_number FROM games')" = "2|7|Боря|" ] ||
    e2e_fail "the host's journal: $(journal host 'SELECT * FROM games')"

e2e_close_game
[ "$E2E_GAME_RC" = 0 ] || e2e_fail "the host ended with exit code $E2E_GAME_RC"
e2e_log "a duel left by the close box is the leaver's forfeit in both journals"
