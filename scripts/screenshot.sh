#!/usr/bin/env bash
# Takes a screenshot of the game in play: a private X desktop, F2, the offered number accepted, one guess made.
# Usage: scripts/screenshot.sh OUT.png [GAME_EXE]   (default game: build/shelvy; needs the packages of scripts/setup.sh)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[ $# -ge 1 ] || { echo "usage: $0 OUT.png [GAME_EXE]" >&2; exit 2; }
out=$(realpath -m "$1")
game=${2:-$root/build/shelvy}
title="Шелвы и злыки v 2.0"
missing=()
for cmd in Xvfb openbox xdotool import convert; do command -v "$cmd" >/dev/null || missing+=("$cmd"); done
[ ${#missing[@]} -eq 0 ] || { echo "missing ${missing[*]}: run scripts/setup.sh" >&2; exit 1; }
[ -x "$game" ] || { echo "no game at $game: build it first (cmake --build build)" >&2; exit 1; }

# A copy of the game in a fresh folder and a fresh home: first-run settings.
. "$root/scripts/private_desktop.sh"
private_desktop_start shelvy-shot 1024x768
mkdir -p "$tmp/game"
cp -- "$game" "$tmp/game/shelvy"
"$tmp/game/shelvy" </dev/null >"$tmp/game.log" 2>&1 &
game_pid=$!
pids+=("$game_pid")

main=$(timeout 30 xdotool search --sync --onlyvisible --name "^$title\$" | head -n 1)
sleep 1
xdotool windowactivate --sync "$main"
xdotool key F2

# New game: the number prompt has the game's title too; Return takes the offered 1234.
for _ in $(seq 100); do
    [ "$(xdotool search --onlyvisible --name "^$title\$" | wc -l)" -ge 2 ] && break
    sleep 0.2
done
sleep 0.5
xdotool key Return
sleep 1

# One guess, 5678, on the keypad (the game's other window), then the move button.
keypad=$(xdotool search --onlyvisible --pid "$game_pid" | grep -vx "$main" | head -n 1)
columns=(120 600 1080 1560 2040) # twips, 15 to a pixel; buttons 495 twips square
for digit in 5 6 7 8; do
    slot=$((digit - 1))
    row=$((slot < 5 ? 120 : 600))
    xdotool mousemove --window "$keypad" $(((columns[slot % 5] + 247) / 15)) $(((row + 247) / 15)) click 1
    sleep 0.3
done
eval "$(xdotool getwindowgeometry --shell "$main")"
menu_bar=$((HEIGHT - 185)) # the playing field and status bar are 185 pixels high
xdotool mousemove --window "$main" $(((3360 + 427) / 15)) $((menu_bar + (1800 + 247) / 15)) click 1
xdotool mousemove 0 0
sleep 3

# The two windows with their frames and a margin.
read -r left top right bottom < <(
    for id in "$main" "$keypad"; do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        echo "$X $Y $((X + WIDTH)) $((Y + HEIGHT))"
    done | awk 'NR == 1 { l = $1; t = $2; r = $3; b = $4 }
                { if ($1 < l) l = $1; if ($2 < t) t = $2; if ($3 > r) r = $3; if ($4 > b) b = $4 }
                END { print l - 16, t - 40, r + 16, b + 16 }')
import -window root "$tmp/screen.png"
convert "$tmp/screen.png" -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "$out"
echo "$out"
