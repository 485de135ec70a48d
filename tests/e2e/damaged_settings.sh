#!/usr/bin/env bash
# A damaged settings file does not stop the game: it starts, closes normally and leaves a complete file behind.
# Usage: damaged_settings.sh GAME_EXE SETTINGS_TOOL noise|truncated
#   noise      the file is 4096 random bytes
#   truncated  the file ends after its third line
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
mode=${3:-}
[ "$mode" = noise ] || [ "$mode" = truncated ] || { echo "usage: $0 GAME TOOL noise|truncated" >&2; exit 2; }
e2e_init "$1" "$2"
e2e_start_desktop

case $mode in
noise) "$E2E_TOOL" noise "$E2E_SETTINGS" 4096 20240607 || e2e_fail "could not write the noise file" ;;
truncated) e2e_encode "$E2E_SETTINGS" "01:02" "03:04" "12:34" ;;
esac

# One run: the window shows, entirely on the screen, and the game closes cleanly.
run_once() {
    e2e_start_game
    e2e_wait_main_window
    read -r frame_x frame_y < <(e2e_frame_origin "$E2E_MAIN_ID")
    read -r _ _ width height < <(e2e_geometry "$E2E_MAIN_ID")
    e2e_log "main window frame at $frame_x,$frame_y"
    ((frame_x >= 0 && frame_y >= 0 && frame_x + width <= E2E_SCREEN_W && frame_y + height <= E2E_SCREEN_H)) ||
        e2e_fail "main window at $frame_x,$frame_y is not on the ${E2E_SCREEN_W}x${E2E_SCREEN_H} screen"
    e2e_close_game
    e2e_expect_saved_exit
    e2e_expect_saved_place "$frame_x" "$frame_y"
}

run_once
case $mode in
noise)
    # Whatever the strings became, the numbers are numbers again and the
    # keypad placement is one of the three.
    for line in 9 13 14 15; do
        [[ ${E2E_LINES[$line]} =~ ^(\ [0-9]+|-[0-9]+)\ $ ]] ||
            e2e_fail "line $line '${E2E_LINES[$line]}' is not a number as the file writes it"
    done
    [[ ${E2E_LINES[9]} =~ ^\ [123]\ $ ]] || e2e_fail "keypad placement '${E2E_LINES[9]}' is not 1, 2 or 3"
    ;;
truncated)
    # The three lines present are kept; the rest take the first run's values.
    e2e_expect_line 1 "01:02"
    e2e_expect_line 2 "03:04"
    e2e_expect_line 3 "12:34"
    e2e_expect_defaults 4 22
    ;;
esac

# The repaired file is stable: a second run reads and writes it unchanged.
first=("${E2E_LINES[@]}")
run_once
for line in $(seq 1 22); do
    case $line in
    7 | 8) ;;  # checked against the window above
    *) e2e_expect_line "$line" "${first[$line]}" ;;
    esac
done
e2e_log "PASS"
