#!/usr/bin/env bash
# A game killed with kill -9 after a round of moves comes back through "Продолжить прошлую игру" with the same list of
# moves, and is played to its end in its own row of the journal.
# Usage: journal_resume.sh GAME_EXE SETTINGS_TOOL
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
for cmd in xdotool import convert compare sqlite3; do
    command -v "$cmd" >/dev/null || e2e_fail "missing $cmd (scripts/setup.sh installs it)"
done
e2e_init "$@"
e2e_start_desktop
journal="$XDG_DATA_HOME/shelvy-zlyki/journal.sqlite"

# query SQL: the journal's answer, one row a line.
query() { sqlite3 -batch -noheader "$journal" "$1" || e2e_fail "sqlite3 could not read the journal: $1"; }

# The history list (СписокЧШЗ) into the picture $1, with the keypad window active: the list's selected line is then
# drawn in the shade of an inactive window whichever control of the main window has the focus.  The list stands at
# 2400, 360 twips in the field, 1695 x 1230 twips.
shoot_history() {
    local keypad
    keypad=$(e2e_keypad_id)
    [ -n "$keypad" ] || e2e_fail "no keypad window"
    xdotool windowactivate --sync "$keypad" >/dev/null 2>&1 || e2e_fail "could not activate the keypad window"
    sleep 0.5
    e2e_shoot_field 113 82 160 24 "$1"
}

# Waits until the journal holds $1 moves of the game being played.
wait_moves() {
    local deadline=$((SECONDS + E2E_START_TIMEOUT))
    until [ "$(query 'SELECT count(*) FROM moves')" = "$1" ]; do
        ((SECONDS < deadline)) || e2e_fail "the journal holds $(query 'SELECT count(*) FROM moves') moves, expected $1"
        sleep 0.2
    done
}

# A move of the user typed on the keyboard once the game takes digits: the four digits of $1, then Enter.
user_move() {
    e2e_wait_user_turn
    e2e_press "${1:0:1}" "${1:1:1}" "${1:2:1}" "${1:3:1}" Return
}

# The text the game masked with `key` (each byte XORed with a byte of the key, written as hexadecimal).
unmask() {
    local hex=$1 key=$2 out='' i
    for ((i = 0; i < ${#hex} / 2; ++i)); do
        out+=$(printf "\\$(printf '%03o' $((0x${hex:2*i:2} ^ ((key >> (8 * i)) & 0xff))))")
    done
    printf '%s' "$out"
}

# A new game with the number offered, 1234 (the game scores the computer's guesses itself), and one move of each
# side: the user's turn again.  Fails (status 1) when the computer found 1234 with its first guess, as it does once
# in 3024 games; the game is then over and the caller starts afresh.
play_one_round() {
    e2e_start_game
    e2e_wait_main_window
    e2e_press F2
    e2e_wait_box "$E2E_TITLE" >/dev/null
    sleep 0.3
    e2e_key Return
    local deadline=$((SECONDS + E2E_START_TIMEOUT)) row
    # While the game runs the journal shows its numbers masked, never as digits.
    until row=$(query "SELECT computer_number || ' ' || number_key FROM games") &&
        [[ $row =~ ^([0-9a-f]{8})\ (-?[0-9]+)$ ]]; do
        ((SECONDS < deadline)) || e2e_fail "the journal holds no masked computer's number after the start: '$row'"
        sleep 0.2
    done
    secret=$(unmask "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}")
    [[ $secret =~ ^[1-9]{4}$ ]] || e2e_fail "the computer's number does not unmask: '$row' gave '$secret'"
    local guess=5678
    [ "$secret" = "$guess" ] && guess=5679
    user_move "$guess"
    wait_moves 1
    e2e_press Return # the computer's guess, answered by the game
    wait_moves 2
    [ "$(query 'SELECT exact FROM moves ORDER BY ord LIMIT 1 OFFSET 1')" != 4 ]
}

attempt=1
until play_one_round; do
    ((attempt < 3)) || e2e_fail "the computer found 1234 with its first guess $attempt times running"
    e2e_log "the computer found 1234 with its first guess; a fresh start"
    kill -KILL "$E2E_GAME_PID"
    wait "$E2E_GAME_PID" 2>/dev/null || true
    rm -f -- "$journal" "$journal-wal" "$journal-shm"
    attempt=$((attempt + 1))
done
e2e_wait_user_turn
sleep 0.3
shoot_history "$E2E_TMP/before.png"
moves_before=$(query 'SELECT side, guess, exact, partial FROM moves ORDER BY ord')
game=$(query 'SELECT id FROM games')
[ "$(query 'SELECT outcome FROM games')" = 0 ] || e2e_fail "the game is not unfinished before the kill"

kill -KILL "$E2E_GAME_PID"
wait "$E2E_GAME_PID" 2>/dev/null || true
E2E_GAME_PID=""
e2e_log "killed with 2 moves made"

e2e_start_game
e2e_wait_main_window
sleep 1
# Игра → (Новая игра) → Продолжить прошлую игру
read -r x y _ _ < <(e2e_geometry "$E2E_MAIN_ID")
xdotool windowactivate --sync "$E2E_MAIN_ID" >/dev/null 2>&1 || true
xdotool mousemove $((x + 15)) $((y + 10)) click 1
sleep 0.5
e2e_key Down Down Return
e2e_wait_user_turn
xdotool mousemove 0 0
sleep 0.5
shoot_history "$E2E_TMP/after.png"
differing=$(compare -metric AE "$E2E_TMP/before.png" "$E2E_TMP/after.png" null: 2>&1 || true)
[ "$differing" = 0 ] || {
    cp "$E2E_TMP/before.png" "$E2E_TMP/after.png" "${TMPDIR:-/tmp}/" 2>/dev/null || true
    e2e_fail "the list of moves differs after the resume in $differing pixels (before.png and after.png in ${TMPDIR:-/tmp})"
}
e2e_log "the list of moves is the same"

# The user finds the computer's number: the game ends in its own row.
user_move "$secret"
wait_moves 3
sleep 1
# The records window: a name for the record if one is asked, then it closes.
e2e_key e 2 e Return
sleep 0.5
e2e_key Escape
sleep 0.5

[ "$(query 'SELECT count(*) FROM games')" = 1 ] || e2e_fail "the resumed game got a row of its own"
[ "$(query 'SELECT id FROM games')" = "$game" ] || e2e_fail "the game's row changed"
[ "$(query 'SELECT outcome, player_tries, computer_tries FROM games')" = "1|2|1" ] ||
    e2e_fail "the game ended as '$(query 'SELECT outcome, player_tries, computer_tries FROM games')', expected 1|2|1"
[ "$(query 'SELECT side, guess, exact, partial FROM moves ORDER BY ord LIMIT 2')" = "$moves_before" ] ||
    e2e_fail "the moves made before the kill changed"

e2e_close_game
e2e_expect_clean_exit
e2e_log "PASS"
