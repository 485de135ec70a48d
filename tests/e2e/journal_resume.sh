#!/usr/bin/env bash
# A game killed with kill -9 after a few moves comes back through "Продолжить прошлую игру" with the same list of
# moves, and is played to its end in its own row of the journal.
# Usage: journal_resume.sh GAME_EXE SETTINGS_TOOL
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
for cmd in xdotool import compare sqlite3; do
    command -v "$cmd" >/dev/null || e2e_fail "missing $cmd (scripts/setup.sh installs it)"
done
e2e_init "$@"
e2e_start_desktop
journal="$XDG_DATA_HOME/shelvy-zlyki/journal.sqlite"

# query SQL: the journal's answer, one row a line.
query() { sqlite3 -batch -noheader "$journal" "$1" || e2e_fail "sqlite3 could not read the journal: $1"; }

# The history list (СписокЧШЗ) of the main window, cut from a picture of the window into $1.
shoot_history() {
    local menu_bar
    import -window "$E2E_MAIN_ID" "$E2E_TMP/window.png" || e2e_fail "import could not take the main window"
    read -r _ _ _ height < <(e2e_geometry "$E2E_MAIN_ID")
    menu_bar=$((height - 185)) # the playing field and the status bar are 185 pixels high
    # The list stands at 2400, 360 twips in the field, 1695 x 1230 twips.
    convert "$E2E_TMP/window.png" -crop "113x82+160+$((menu_bar + 24))" +repage "$1"
}

# Waits until the journal holds $1 moves of the game being played.
wait_moves() {
    local deadline=$((SECONDS + E2E_START_TIMEOUT))
    until [ "$(query 'SELECT count(*) FROM moves')" = "$1" ]; do
        ((SECONDS < deadline)) || e2e_fail "the journal holds $(query 'SELECT count(*) FROM moves') moves, expected $1"
        sleep 0.2
    done
}

# A move of the user typed on the keyboard; the computer's answered guess follows with Enter.
user_move() {
    e2e_press "${@}" Return
}

e2e_start_game
e2e_wait_main_window
e2e_press F2
e2e_wait_box "$E2E_TITLE" >/dev/null
sleep 0.3
e2e_key Return # the number offered, 1234: the game scores the computer's guesses itself
sleep 1

# Two moves of each side, then one more of the user: the computer's guess is on show.
user_move 5 6 7 8
wait_moves 1
e2e_press Return
wait_moves 2
sleep 0.5
user_move 5 6 7 9
wait_moves 3
e2e_press Return
wait_moves 4
sleep 0.5
user_move 6 7 8 9
wait_moves 5
sleep 0.5
shoot_history "$E2E_TMP/before.png"
moves_before=$(query 'SELECT side, guess, exact, partial FROM moves ORDER BY ord')
game=$(query 'SELECT id FROM games')
[ "$(query 'SELECT outcome FROM games')" = 0 ] || e2e_fail "the game is not unfinished before the kill"

kill -KILL "$E2E_GAME_PID"
wait "$E2E_GAME_PID" 2>/dev/null || true
E2E_GAME_PID=""
e2e_log "killed with 5 moves made"

e2e_start_game
e2e_wait_main_window
sleep 1
# Игра → (Новая игра) → Продолжить прошлую игру
read -r x y _ _ < <(e2e_geometry "$E2E_MAIN_ID")
xdotool windowactivate --sync "$E2E_MAIN_ID" >/dev/null 2>&1 || true
xdotool mousemove $((x + 15)) $((y + 10)) click 1
sleep 0.5
e2e_key Down Down Return
sleep 1
xdotool mousemove 0 0
sleep 0.5
shoot_history "$E2E_TMP/after.png"
differing=$(compare -metric AE "$E2E_TMP/before.png" "$E2E_TMP/after.png" null: 2>&1 || true)
[ "$differing" = 0 ] || {
    cp "$E2E_TMP/before.png" "$E2E_TMP/after.png" "${TMPDIR:-/tmp}/" 2>/dev/null || true
    e2e_fail "the list of moves differs after the resume in $differing pixels (before.png and after.png in ${TMPDIR:-/tmp})"
}
e2e_log "the list of moves is the same"

# The computer's move, then the user finds the computer's number: the game ends in its own row.
e2e_press Return
wait_moves 6
sleep 0.5
secret=$(query 'SELECT computer_number FROM games')
user_move ${secret:0:1} ${secret:1:1} ${secret:2:1} ${secret:3:1}
wait_moves 7
sleep 1
# The records window: a name for the record if one is asked, then it closes.
e2e_key e 2 e Return
sleep 0.5
e2e_key Escape
sleep 0.5

[ "$(query 'SELECT count(*) FROM games')" = 1 ] || e2e_fail "the resumed game got a row of its own"
[ "$(query 'SELECT id FROM games')" = "$game" ] || e2e_fail "the game's row changed"
[ "$(query 'SELECT outcome, player_tries, computer_tries FROM games')" = "1|4|3" ] ||
    e2e_fail "the game ended as '$(query 'SELECT outcome, player_tries, computer_tries FROM games')', expected 1|4|3"
[ "$(query 'SELECT side, guess, exact, partial FROM moves ORDER BY ord LIMIT 5')" = "$moves_before" ] ||
    e2e_fail "the moves made before the kill changed"

e2e_close_game
e2e_expect_clean_exit
e2e_log "PASS"
