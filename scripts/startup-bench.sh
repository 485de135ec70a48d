#!/usr/bin/env bash
# Start-up of the game against a bare Qt window: both started alternately in one private X
# desktop with a session bus, timed from the start of the process to its first window on the screen, with the
# resident memory one second later.  Prints the medians and the ratios.  Given a second build folder,
# its game is started in turn with the first one's, and the two games are compared as well (the start
# of one version against another's).
# Usage: scripts/startup-bench.sh [RUNS] [BUILD_FOLDER] [OTHER_BUILD_FOLDER]   (default 15 runs of each, build/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-15}
build=$(realpath -m "${2:-$root/build}")
other=${3:+$(realpath -m "$3")}
for cmd in Xvfb openbox dbus-daemon; do command -v "$cmd" >/dev/null || { echo "missing $cmd: run scripts/setup.sh" >&2; exit 1; }; done
[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target shelvy bare_window map_wait >/dev/null
[ -z "$other" ] || [ -x "$other/shelvy" ] || { echo "no game built in $other" >&2; exit 1; }

# The game with everything it reads at start (picture sets, help), in a folder of its own and
# a fresh home.
. "$root/scripts/private_desktop.sh"
private_desktop_start shelvy-startup 1280x1024
# place NAME BUILD: the game of BUILD with its data in $tmp/NAME.
place() {
    mkdir -p "$tmp/$1"
    cp -- "$2/shelvy" "$tmp/$1/"
    cp -r -- "$2/Шелвы и злыки.HLP" "$tmp/$1/"
    find "$2" -maxdepth 1 \( -name '*.txt' -o -name '*.dat' \) ! -name CMakeCache.txt -exec cp -- {} "$tmp/$1/" \;
}
place game "$build"
[ -z "$other" ] || place other "$other"

# A session bus, as every desktop has one: without it Qt's accessibility bridge spends its time
# trying to start one, which no player's desktop makes it do.
read -r bus_address bus_pid < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 | paste -sd' ')
pids+=("$bus_pid")
export DBUS_SESSION_BUS_ADDRESS=$bus_address

# One warm-up start of each (file caches), then the measured runs, alternating; the two games
# swap places every other run, since a start right after another program's runs a little slower
# (the same build compared against itself measured +2.9 % for the one started second).
wait_map=$build/benchmarks/map_wait
"$wait_map" 0.2 "$build/benchmarks/bare_window" >/dev/null
"$wait_map" 0.2 "$tmp/game/shelvy" >/dev/null
[ -z "$other" ] || "$wait_map" 0.2 "$tmp/other/shelvy" >/dev/null
: >"$tmp/bare" && : >"$tmp/game.times" && : >"$tmp/other.times"
for run in $(seq "$runs"); do
    "$wait_map" 1 "$build/benchmarks/bare_window" >>"$tmp/bare"
    if [ -n "$other" ] && ((run % 2 == 0)); then
        "$wait_map" 1 "$tmp/other/shelvy" >>"$tmp/other.times"
        "$wait_map" 1 "$tmp/game/shelvy" >>"$tmp/game.times"
    else
        "$wait_map" 1 "$tmp/game/shelvy" >>"$tmp/game.times"
        [ -z "$other" ] || "$wait_map" 1 "$tmp/other/shelvy" >>"$tmp/other.times"
    fi
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
bare_ms=$(cut -d' ' -f1 "$tmp/bare" | median)
game_ms=$(cut -d' ' -f1 "$tmp/game.times" | median)
bare_kb=$(cut -d' ' -f2 "$tmp/bare" | median)
game_kb=$(cut -d' ' -f2 "$tmp/game.times" | median)
awk -v runs="$runs" -v bm="$bare_ms" -v gm="$game_ms" -v bk="$bare_kb" -v gk="$game_kb" 'BEGIN {
    printf "start-up to the first window, median of %d runs each:\n", runs
    printf "  bare Qt window  %6.1f ms  %5.1f MB resident\n", bm, bk / 1024
    printf "  the game        %6.1f ms  %5.1f MB resident\n", gm, gk / 1024
    printf "  ratio           %6.2fx    %5.2fx\n", gm / bm, gk / bk
}'
if [ -n "$other" ]; then
    other_ms=$(cut -d' ' -f1 "$tmp/other.times" | median)
    other_kb=$(cut -d' ' -f2 "$tmp/other.times" | median)
    awk -v om="$other_ms" -v gm="$game_ms" -v ok="$other_kb" -v gk="$game_kb" -v dir="$other" 'BEGIN {
        printf "  the game of %s  %6.1f ms  %5.1f MB resident\n", dir, om, ok / 1024
        printf "  this game against it  %+5.1f%% time  %+5.1f%% memory\n", (gm / om - 1) * 100, (gk / ok - 1) * 100
    }'
fi
