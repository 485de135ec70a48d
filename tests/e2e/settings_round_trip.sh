#!/usr/bin/env bash
# A run between two saves changes nothing: every value read at start-up is written back at shut-down.
# Usage: settings_round_trip.sh GAME_EXE SETTINGS_TOOL
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_init "$@"
e2e_start_desktop

# Distinctive values: Cyrillic with Ё, a comma and a leading quote in names,
# odd tries, gallery set 2 ("03"), keypad aligned left, window at 100,80 px.
saved=(
    ""                   # (lines count from 1)
    "01:02"              # 1 record times
    "03:04"
    "12:34"
    "00:35"              # 4 computer's last time
    "07:08"              # 5 user's last time
    "03"                 # 6 gallery choice
    " 1500 "             # 7 left, twips
    " 1200 "             # 8 top, twips
    " 1 "                # 9 keypad aligned left
    "Пётр Ёлкин"         # 10 names
    "Иванов, Иван"
    "\"Кот\" Матроскин"
    " 3 "                # 13 tries
    " 5 "
    " 7 "
    "1234"               # 16 numbers guessed
    "5678"
    "9876"
    "6"                  # 19 computer's last tries
    "11"                 # 20 user's last tries
    "4321"               # 21 computer's last number
    "8765"               # 22 user's last number
)
e2e_encode "$E2E_SETTINGS" "${saved[@]:1}"
e2e_decode "$E2E_SETTINGS"  # the helper itself reads back what it wrote
for line in $(seq 1 22); do e2e_expect_line "$line" "${saved[$line]}"; done

e2e_start_game
e2e_wait_main_window

# The saved place was applied: the outer corner stands at 100,80 px, give or
# take what the window manager does with the request.
read -r frame_x frame_y < <(e2e_frame_origin "$E2E_MAIN_ID")
e2e_log "main window frame at $frame_x,$frame_y"
((frame_x >= 98 && frame_x <= 102 && frame_y >= 78 && frame_y <= 82)) ||
    e2e_fail "main window frame at $frame_x,$frame_y, expected 100,80"

# The saved keypad placement was applied: left edges aligned, keypad right
# under the main window's frame.  The keypad follows on a timer, so wait.
deadline=$((SECONDS + 10))
while :; do
    keypad=$(e2e_keypad_id)
    read -r frame_x frame_y < <(e2e_frame_origin "$E2E_MAIN_ID")
    read -r client_x client_y _ main_h < <(e2e_geometry "$E2E_MAIN_ID")
    frame_bottom=$((client_y + main_h + (client_x - frame_x)))  # bottom border as wide as the side one
    if [ -n "$keypad" ]; then
        read -r keypad_x keypad_y _ _ < <(e2e_geometry "$keypad")
        ((keypad_x == frame_x && keypad_y >= frame_bottom - 2 && keypad_y <= frame_bottom + 2)) && break
    fi
    ((SECONDS < deadline)) ||
        e2e_fail "keypad ${keypad:-not found} at ${keypad_x:-?},${keypad_y:-?}, expected $frame_x,$frame_bottom" \
            "(aligned left under the main window, frame at $frame_x,$frame_y, client at $client_x,$client_y)"
    sleep 0.2
done
e2e_log "keypad at $keypad_x,$keypad_y"

e2e_close_game
e2e_expect_saved_exit
e2e_expect_saved_place 100 80
for line in $(seq 1 22); do
    case $line in
    7 | 8) ;;
    *) e2e_expect_line "$line" "${saved[$line]}" ;;
    esac
done
e2e_log "PASS"
