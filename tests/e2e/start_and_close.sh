#!/usr/bin/env bash
# First run without a settings file: the window appears at its size, a close ends the game and leaves the defaults saved.
# Usage: start_and_close.sh GAME_EXE SETTINGS_TOOL [ARG...]   (the game's command line, e.g. -session ID)
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_init "$1" "$2"
e2e_start_desktop

[ ! -e "$E2E_SETTINGS" ] || e2e_fail "the fresh folder already holds a settings file"
e2e_start_game "${@:3}"
e2e_wait_main_window

# The playing field is 4350 twips wide; the height adds the menu bar to the
# 2775 twips of field and status bar.
read -r _ _ width height < <(e2e_geometry "$E2E_MAIN_ID")
e2e_log "main window client area ${width}x${height}"
[ "$width" -eq 290 ] || e2e_fail "client width $width px, expected 290"
[ "$height" -ge 185 ] || e2e_fail "client height $height px, expected at least 185"

# Without saved settings the window stands centred; whatever the window
# manager made of that is what must be saved.
read -r frame_x frame_y < <(e2e_frame_origin "$E2E_MAIN_ID")
e2e_log "main window frame at $frame_x,$frame_y"

e2e_close_game
e2e_expect_saved_exit
e2e_expect_defaults 1 22
e2e_expect_saved_place "$frame_x" "$frame_y"
e2e_log "PASS"
