#!/usr/bin/env bash
# The game under an English locale: every window a player opens from the menus (the number prompt, the records, the
# statistics, the duel over the network, about, the help) has an English title, and the main window speaks English.
# Usage: english.sh GAME_EXE SETTINGS_TOOL
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_init "$1" "$2"
e2e_start_desktop

readonly TITLE="Shelvy and Zlyki v 2.0"
# The help topics beside the program, as the build has them.
cp -r -- "$(dirname -- "$1")/Шелвы и злыки.HLP" "$E2E_GAME_DIR/"

# The locale a player in England has; LC_CTYPE keeps wmctrl's titles in UTF-8.
unset LC_ALL LANGUAGE
export LANG=en_US.UTF-8 LC_CTYPE=C.UTF-8
e2e_start_game

deadline=$((SECONDS + E2E_START_TIMEOUT))
while [ -z "$E2E_MAIN_ID" ]; do
    ((SECONDS < deadline)) || e2e_fail "no window titled '$TITLE' within ${E2E_START_TIMEOUT}s"
    e2e_running "$E2E_GAME_PID" || e2e_fail "the game ended before showing its window"
    while read -r id _ _ title; do
        [ "$title" = "$TITLE" ] && E2E_MAIN_ID=$id
    done < <(wmctrl -l 2>/dev/null)
    [ -n "$E2E_MAIN_ID" ] || sleep 0.2
done
until xwininfo -id "$E2E_MAIN_ID" 2>/dev/null | grep -q 'Map State: IsViewable'; do sleep 0.1; done
e2e_log "main window $E2E_MAIN_ID is up in English"

# No title of the game's windows holds a Russian letter.
expect_english_titles() {
    local id pid title
    while read -r id _ pid _ title; do
        [ "$pid" = "$E2E_GAME_PID" ] || continue
        if printf '%s' "$title" | LC_ALL=C.UTF-8 grep -qP '[\x{0400}-\x{04FF}]'; then
            e2e_fail "a window of the game has a Russian title: $title"
        fi
    done < <(wmctrl -lp 2>/dev/null)
}
# Opens WINDOW from the menu (keys as e2e_open_from_menu takes them), looks at it, closes it with Escape.
look_at() {
    local id
    id=$(e2e_open_from_menu "$1" "$2" "$3")
    e2e_log "'$3' is open"
    expect_english_titles
    import -window "$id" "$E2E_TMP/$4.png" 2>/dev/null || true
    xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
    e2e_key Escape
    for _ in $(seq 50); do
        e2e_find_box "$3" >/dev/null || return 0
        sleep 0.1
    done
    e2e_fail "'$3' did not close on Escape"
}

expect_english_titles
import -window root "$E2E_TMP/main.png" 2>/dev/null || true

# New game: the number prompt is titled with the game's English name and takes the number.
e2e_press F2
prompt=$(e2e_wait_box "$TITLE")
xdotool windowactivate --sync "$prompt" >/dev/null 2>&1 || true
e2e_key ctrl+a
e2e_type 1234
e2e_key Return
e2e_log "a game runs"

look_at alt+g w "Best results" records
look_at alt+g s "Statistics" statistics
look_at alt+g d "Duel over the network" network
look_at alt+h a "About \"$TITLE\"" about

# The help: its window is not modal and closes with Escape; its title is the topic's.
e2e_press F1
help_id=""
for _ in $(seq 100); do
    while read -r id _ pid _; do
        [ "$pid" = "$E2E_GAME_PID" ] && [ "$((id))" -ne "$((E2E_MAIN_ID))" ] && help_id=$id
    done < <(wmctrl -lp 2>/dev/null)
    [ -n "$help_id" ] && break
    sleep 0.1
done
[ -n "$help_id" ] || e2e_fail "F1 opened no help window"
import -window "$help_id" "$E2E_TMP/help.png" 2>/dev/null || true
# Its title is the topic's: English once the English topics are there (a missing one is shown in Russian).
[ ! -e "$E2E_GAME_DIR/Шелвы и злыки.HLP/en/100.html" ] || expect_english_titles
e2e_log "the help is open"

e2e_close_game
e2e_expect_clean_exit
e2e_log "PASS"
