#!/usr/bin/env bash
# Two real games on one X display play a whole duel through a Jabber server of the test's own (prosody on a free
# loopback port, tests/support/start_prosody.sh), with no port of theirs opened: one waits with --host --account, the
# other invites it with --join FRIEND --account; the passwords come from files only their owner can read.  The host's
# player says yes, both type their numbers, the host finds the guest's number in the first round.  Both journals keep
# the duel as through Jabber with the other's Jabber address, and both games end cleanly when closed.
# Usage: jabber_duel.sh GAME_EXE SETTINGS_TOOL
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
for cmd in xdotool sqlite3 convert prosody openssl; do
    command -v "$cmd" >/dev/null || e2e_fail "missing $cmd (scripts/setup.sh installs it)"
done
e2e_init "$@"

source "$(dirname "${BASH_SOURCE[0]}")/network_lib.sh"
xmpp="$E2E_TMP/xmpp"
PROSODY_LOG_LEVEL=info bash "$(dirname "${BASH_SOURCE[0]}")/../support/start_prosody.sh" "$xmpp" "$port" alice:секрет bob:bobs >"$E2E_TMP/prosody.log" 2>&1 &
PROSODY_PID=$!
trap 'e2e_stop "$PROSODY_PID" 2; e2e_cleanup' EXIT
deadline=$((SECONDS + 60))
until (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; do
    ((SECONDS < deadline)) || e2e_fail "prosody did not start: $(cat "$E2E_TMP/prosody.log")"
    e2e_running "$PROSODY_PID" || e2e_fail "prosody ended: $(cat "$E2E_TMP/prosody.log")"
    sleep 0.2
done
e2e_start_desktop
(umask 077 && printf 'секрет\n' > "$E2E_TMP/alice.pw" && printf 'bobs\n' > "$E2E_TMP/bob.pw")
jabber=(--server "127.0.0.1:$port" --ca-file "$xmpp/ca.pem")

player host 40 --host --account alice@shelvy.test --password-file "$E2E_TMP/alice.pw" "${jabber[@]}" --name Аня
# The host's game must be logged in before it can be invited.
deadline=$((SECONDS + E2E_START_TIMEOUT))
until grep -q "Authenticated as alice@shelvy.test" "$xmpp/prosody.log" 2>/dev/null; do
    ((SECONDS < deadline)) || e2e_fail "the host's game did not log in: $(cat "$xmpp/prosody.log")"
    sleep 0.2
done
player guest 700 --join alice@shelvy.test --account bob@shelvy.test --password-file "$E2E_TMP/bob.pw" "${jabber[@]}" \
    --name Боря

answer_box host "Шелвы и злыки" Return                            # "Игрок «Боря» (bob@shelvy.test) ...": Да
answer_box host "$E2E_TITLE" ctrl+a 1 2 3 4 Return                 # "Загадайте число:"
answer_box guest "$E2E_TITLE" ctrl+a 5 6 7 8 Return
move host 5678                                                     # the guest's number, found at once
move guest 9876                                                    # the guest's last move of the round misses
answer_box host "Шелвы и злыки" Return                             # "Вы победили! ..."
answer_box guest "Шелвы и злыки" Return                            # "Победил соперник «Аня». ..."

# mode 3: through Jabber; outcome 1: the player's win, 2: the opponent's.
for side in host guest; do
    deadline=$((SECONDS + E2E_START_TIMEOUT))
    until [ "$(journal "$side" 'SELECT count(*) FROM games WHERE outcome > 0' 2>/dev/null)" = 1 ]; do
        ((SECONDS < deadline)) || e2e_fail "the $side's journal holds no finished game"
        sleep 0.2
    done
done
[ "$(journal host 'SELECT mode, outcome, opponent_name, opponent_address, player_number, computer_number FROM games')" \
    = "3|1|Боря|bob@shelvy.test|1234|5678" ] || e2e_fail "the host's journal: $(journal host 'SELECT * FROM games')"
[ "$(journal guest 'SELECT mode, outcome, opponent_name, opponent_address FROM games')" \
    = "3|2|Аня|alice@shelvy.test" ] || e2e_fail "the guest's journal: $(journal guest 'SELECT * FROM games')"
# The password is in no file of the games' own.
! grep -rqs "секрет\|bobs" "$E2E_TMP/host" "$E2E_TMP/guest" "$E2E_TMP/home" || e2e_fail "a password was written to a file"

for side in host guest; do
    as "$side"
    e2e_close_game
    [ "$E2E_GAME_RC" = 0 ] || e2e_fail "the $side ended with exit code $E2E_GAME_RC"
done
e2e_log "a whole duel through a Jabber server, played with keys"
