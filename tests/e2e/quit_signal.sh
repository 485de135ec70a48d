#!/usr/bin/env bash
# SIGTERM, SIGINT or SIGHUP ends the game like a close of its window: exit code 0 and the settings saved.
# Usage: quit_signal.sh GAME_EXE SETTINGS_TOOL TERM|INT|HUP
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
signal=${3:-}
case "$signal" in TERM | INT | HUP) ;; *) echo "usage: $0 GAME TOOL TERM|INT|HUP" >&2; exit 2 ;; esac
e2e_init "$1" "$2"
e2e_start_desktop

e2e_start_game
e2e_wait_main_window
read -r frame_x frame_y < <(e2e_frame_origin "$E2E_MAIN_ID")
e2e_signal_game "$signal"
e2e_expect_saved_exit
e2e_expect_defaults 1 22
e2e_expect_saved_place "$frame_x" "$frame_y"
e2e_log "PASS"
