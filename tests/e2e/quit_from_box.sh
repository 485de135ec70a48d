#!/usr/bin/env bash
# A signal while New game waits in a box ends the game within a second, with exit code 0 and the settings saved.
# Usage: quit_from_box.sh GAME_EXE SETTINGS_TOOL TERM|INT|HUP prompt|hide|error
# prompt: the number prompt is open; hide: the hide question (Escape in the
# prompt); error: the "Ошибка !!!" box of a bad number.  Leftover temporary
# files of an earlier killed run lie beside the game and must be gone.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
signal=${3:-}
where=${4:-}
case "$signal" in TERM | INT | HUP) ;; *) echo "usage: $0 GAME TOOL TERM|INT|HUP prompt|hide|error" >&2; exit 2 ;; esac
case "$where" in prompt | hide | error) ;; *) echo "usage: $0 GAME TOOL TERM|INT|HUP prompt|hide|error" >&2; exit 2 ;; esac
command -v xdotool >/dev/null || e2e_fail "missing xdotool (scripts/setup.sh installs it)"
e2e_init "$1" "$2"
e2e_start_desktop

: >"$E2E_GAME_DIR/Шелвы и злыки.tmp"
: >"$E2E_GAME_DIR/Шелвы и злыки.tmp.Ab12Cd"

e2e_start_game
e2e_wait_main_window
e2e_press F2
box=$(e2e_wait_box "$E2E_TITLE")
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
kill -s "$signal" "$E2E_GAME_PID" || e2e_fail "could not send $signal"
deadline=$((start + 1000))
while e2e_running "$E2E_GAME_PID" && (($(e2e_now_ms) < deadline)); do sleep 0.02; done
e2e_running "$E2E_GAME_PID" && e2e_fail "the game still runs 1 s after $signal with the $where box open"
e2e_log "ended $(($(e2e_now_ms) - start)) ms after $signal"
e2e_wait_game_end "$signal"
e2e_expect_saved_exit
e2e_expect_defaults 1 22
e2e_log "PASS"
