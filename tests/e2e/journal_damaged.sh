#!/usr/bin/env bash
# A damaged journal file is kept aside byte for byte under a dated name, the player is told so once, and the game
# starts and writes a fresh journal.
# Usage: journal_damaged.sh GAME_EXE SETTINGS_TOOL
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
for cmd in xdotool import convert sqlite3; do
    command -v "$cmd" >/dev/null || e2e_fail "missing $cmd (scripts/setup.sh installs it)"
done
e2e_init "$@"
e2e_start_desktop
folder="$XDG_DATA_HOME/shelvy-zlyki"
journal="$folder/journal.sqlite"
mkdir -p "$folder"
head -c 8192 /dev/urandom >"$journal"
cp "$journal" "$E2E_TMP/damaged.bytes"

e2e_start_game
e2e_wait_main_window
e2e_wait_box "Шелвы и злыки" >/dev/null
kept=("$folder"/journal.sqlite.damaged-*)
[ ${#kept[@]} = 1 ] && [ -f "${kept[0]}" ] || e2e_fail "no damaged copy beside the journal: $(ls "$folder")"
cmp -s "${kept[0]}" "$E2E_TMP/damaged.bytes" || e2e_fail "the damaged copy is not the damaged file byte for byte"
[[ ${kept[0]##*/} =~ ^journal\.sqlite\.damaged-[0-9]{8}-[0-9]{6}$ ]] || e2e_fail "the copy's name ${kept[0]##*/}"
e2e_log "kept aside as ${kept[0]##*/}"
e2e_key Return
sleep 0.5

# The game plays and writes into the fresh journal.
e2e_press F2
e2e_wait_box "$E2E_TITLE" >/dev/null
sleep 0.3
e2e_key Return
e2e_wait_user_turn
e2e_press 5 6 7 8 Return
deadline=$((SECONDS + E2E_START_TIMEOUT))
until [ "$(sqlite3 -batch "$journal" 'SELECT count(*) FROM moves' 2>/dev/null)" = 1 ]; do
    ((SECONDS < deadline)) || e2e_fail "the move was not written into a fresh journal"
    sleep 0.2
done
[ "$(sqlite3 -batch "$journal" 'PRAGMA user_version')" = 2 ] || e2e_fail "the fresh journal has no version"

e2e_close_game
e2e_expect_clean_exit
cmp -s "${kept[0]}" "$E2E_TMP/damaged.bytes" || e2e_fail "the damaged copy changed"
e2e_log "PASS"
