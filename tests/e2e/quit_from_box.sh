#!/usr/bin/env bash
# A signal, or the window manager's close request for the main window, while a box or window is open over it ends
# the game within a second, with exit code 0 and the settings saved.
# Usage: quit_from_box.sh GAME_EXE SETTINGS_TOOL TERM|INT|HUP|close prompt|hide|error|about
# close: the close request a click on the main window's close box or a task
# bar's "close" sends; prompt: New game's number prompt is open; hide: the
# hide question (Escape in the prompt); error: the "Ошибка !!!" box of a bad
# number; about: the about window.  Leftover temporary files of an earlier
# killed run lie beside the game and must be gone.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
signal=${3:-}
where=${4:-}
usage="usage: $0 GAME TOOL TERM|INT|HUP|close prompt|hide|error|about"
case "$signal" in TERM | INT | HUP | close) ;; *) echo "$usage" >&2; exit 2 ;; esac
case "$where" in prompt | hide | error | about) ;; *) echo "$usage" >&2; exit 2 ;; esac
command -v xdotool >/dev/null || e2e_fail "missing xdotool (scripts/setup.sh installs it)"
e2e_init "$1" "$2"
e2e_start_desktop

: >"$E2E_GAME_DIR/Шелвы и злыки.tmp"
: >"$E2E_GAME_DIR/Шелвы и злыки.tmp.Ab12Cd"

e2e_start_game
e2e_wait_main_window
if [ "$where" = about ]; then
    # Справка -> О программе, by the menus' accelerator letters.
    box=$(e2e_open_from_menu alt+Cyrillic_es Cyrillic_o "О программе \"$E2E_TITLE\"")
else
    e2e_press F2
    box=$(e2e_wait_box "$E2E_TITLE")
fi
case "$where" in
hide)
    e2e_key Escape
    box=$(e2e_wait_box "Шелвы и злыки")
    ;;
error)
    e2e_key ctrl+a
    e2e_type 12
    e2e_key Return
    box=$(e2e_wait_box "Ошибка !!!")
    ;;
esac
e2e_log "box $box is open ($where)"
sleep 0.5

start=$(e2e_now_ms)
if [ "$signal" = close ]; then
    wmctrl -i -c "$E2E_MAIN_ID" || e2e_fail "wmctrl could not ask to close $E2E_MAIN_ID"
else
    kill -s "$signal" "$E2E_GAME_PID" || e2e_fail "could not send $signal"
fi
deadline=$((start + 1000))
while e2e_running "$E2E_GAME_PID" && (($(e2e_now_ms) < deadline)); do sleep 0.02; done
e2e_running "$E2E_GAME_PID" && e2e_fail "the game still runs 1 s after $signal with the $where box open"
e2e_log "ended $(($(e2e_now_ms) - start)) ms after $signal"
e2e_wait_game_end "$signal"
e2e_expect_saved_exit
e2e_expect_defaults 1 22
e2e_log "PASS"
