#!/usr/bin/env bash
# At QT_SCALE_FACTOR=2 on 1280x1024 the main window and its keypad start whole on the screen, docked, from a place a
# run at scale 1 saved near the bottom-right corner; the keypad stays on the screen when the main window is dragged
# low, and the records window opens whole on the screen.
# Usage: fit_on_screen.sh GAME_EXE SETTINGS_TOOL
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
command -v xdotool >/dev/null || e2e_fail "missing xdotool (scripts/setup.sh installs it)"
command -v xprop >/dev/null || e2e_fail "missing xprop (scripts/setup.sh installs it)"
e2e_init "$1" "$2"
e2e_start_desktop
export QT_SCALE_FACTOR=2

# The place a run at scale 1 saved: the frame's corner at 990,740 pixels, which at scale 2 is 1980,1480.
lines=("${E2E_DEFAULTS[@]:1}")
lines[6]=" $((990 * 15)) "
lines[7]=" $((740 * 15)) "
e2e_encode "$E2E_SETTINGS" "${lines[@]}"

e2e_start_game
e2e_wait_main_window

# The keypad comes at the event loop's first pass and docks on the next ticks, after the main window was framed.
keypad="" deadline=$((SECONDS + E2E_START_TIMEOUT))
while :; do
    keypad=$(e2e_keypad_id)
    if [ -n "$keypad" ] && xwininfo -id "$keypad" 2>/dev/null | grep -q 'IsViewable'; then
        sleep 1
        read -r mx my mw mh < <(e2e_frame "$E2E_MAIN_ID")
        read -r kx ky kw kh < <(e2e_frame "$keypad")
        # Docked: the keypad's top on the main window's bottom (a pixel either way from rounding at scale 2).
        ((ky >= my + mh - 1 && ky <= my + mh + 1)) && break
    fi
    ((SECONDS < deadline)) || e2e_fail "the keypad did not dock under the main window: main $mx,$my ${mw}x$mh, keypad ${kx:-?},${ky:-?}"
    sleep 0.2
done
e2e_expect_on_screen "$E2E_MAIN_ID" "main window"
e2e_expect_on_screen "$keypad" "keypad"
((kx >= mx && kx + kw <= mx + mw)) || e2e_fail "the keypad at $kx is not under the main window at $mx (${mw} wide)"

# The player drags the main window low (the frame's corner to 300,800: north-west gravity): it stays there, and the
# keypad keeps to the screen.
wmctrl -i -r "$E2E_MAIN_ID" -e "1,300,800,-1,-1" || e2e_fail "wmctrl could not move the main window"
sleep 1
read -r mx my _ _ < <(e2e_frame "$E2E_MAIN_ID")
((mx == 300 && my == 800)) || e2e_fail "the main window was moved from where it was dragged: $mx,$my"
e2e_expect_on_screen "$keypad" "keypad under the dragged main window"

# The records window from the menu "Игра": whole on the screen.
records=$(e2e_open_from_menu alt+Cyrillic_i Cyrillic_be "Лучшие результаты")
sleep 0.5
e2e_expect_on_screen "$records" "records window"
e2e_key Escape

e2e_close_game
e2e_expect_clean_exit
e2e_log "PASS"
