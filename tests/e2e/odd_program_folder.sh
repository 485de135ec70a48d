#!/usr/bin/env bash
# The settings beside the game are found and saved in place whatever the folder's path holds.
# Usage: odd_program_folder.sh GAME_EXE SETTINGS_TOOL bytes|long
# bytes: the folder's name has bytes that are not UTF-8;  long: the folder's
# path is longer than the system's path limit (the game is started from inside
# it as ./shelvy, the only way such a program can be started).
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
kind=${3:-}
case "$kind" in bytes | long) ;; *) echo "usage: $0 GAME TOOL bytes|long" >&2; exit 2 ;; esac
e2e_init "$1" "$2"
E2E_TOOL=$(cd "$(dirname "$E2E_TOOL")" && pwd)/$(basename "$E2E_TOOL")  # used from inside the folder
e2e_start_desktop

lines=("-" "-" "-" "-" "-" "01" " 1500 " " 1200 " " 2 " "Лиса" "Бывалый" "Балбес"
       " 3 " " 6 " " 9 " "4321" "-" "-" "-" "-" "-" "-")

# Enters the game's folder from the temporary folder, one short step at a time.
levels=0
long_part=$(printf 'd%.0s' $(seq 1 200))
enter_game_folder() {
    cd "$E2E_TMP/game" || return 1
    local i
    for ((i = 0; i < levels; i++)); do cd "$long_part" 2>/dev/null || return 1; done
    [ "$kind" != bytes ] || cd $'папка-\xff\xfe'
    return 0
}

if [ "$kind" = bytes ]; then
    mkdir "$E2E_TMP/game/"$'папка-\xff\xfe'
else
    levels=25  # 25 * 201 bytes: beyond PATH_MAX (4096)
    (cd "$E2E_TMP/game" && for ((i = 0; i < levels; i++)); do mkdir "$long_part" && cd "$long_part"; done)
fi
(enter_game_folder && cp "$E2E_TMP/game/shelvy" ./shelvy &&
    printf '%s\n' "${lines[@]}" | "$E2E_TOOL" encode "$E2E_SETTINGS_NAME") ||
    e2e_fail "could not prepare the game's folder"

(enter_game_folder && exec env ./shelvy) </dev/null >"$E2E_TMP/game.log" 2>&1 &
E2E_GAME_PID=$!
e2e_wait_main_window
e2e_close_game
e2e_expect_clean_exit

decoded=$(enter_game_folder && "$E2E_TOOL" decode "$E2E_SETTINGS_NAME") || e2e_fail "no whole settings file beside the game"
mapfile -t E2E_LINES <<<"$decoded"
E2E_LINES=("" "${E2E_LINES[@]}")
e2e_expect_line 10 "Лиса"
e2e_expect_line 13 " 3 "
e2e_expect_line 16 "4321"
leftover=$(enter_game_folder && find . -maxdepth 1 -name '*.tmp*' -print)
[ -z "$leftover" ] || e2e_fail "temporary files left beside the game: $leftover"
stray=$(find "$XDG_CONFIG_HOME" -name '*.ini' -print)
[ -z "$stray" ] || e2e_fail "the settings went to the config folder instead: $stray"
e2e_log "PASS"
