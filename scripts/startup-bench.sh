#!/usr/bin/env bash
# Start-up of the game against a bare Qt window: both started alternately in one private X
# desktop, timed from the start of the process to its first window on the screen, with the
# resident memory one second later.  Prints the medians and the ratios.
# Usage: scripts/startup-bench.sh [RUNS] [BUILD_FOLDER]   (default 15 runs of each, build/)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-15}
build=$(realpath -m "${2:-$root/build}")
for cmd in Xvfb openbox; do command -v "$cmd" >/dev/null || { echo "missing $cmd: run scripts/setup.sh" >&2; exit 1; }; done
[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target shelvy bare_window map_wait >/dev/null

tmp=$(mktemp -d "${TMPDIR:-/tmp}/shelvy-startup.XXXXXX")
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; wait "${pids[i]}" 2>/dev/null || true; done
    rm -rf -- "$tmp"
}
trap cleanup EXIT

# The game with everything it reads at start (picture sets, help), in a folder of its own and
# a fresh home, so that nothing of the caller's is read or written.
mkdir -p "$tmp/game" "$tmp/home" "$tmp/run"
chmod 700 "$tmp/run"
cp -- "$build/shelvy" "$tmp/game/"
cp -r -- "$build/Шелвы и злыки.HLP" "$tmp/game/"
find "$build" -maxdepth 1 \( -name '*.txt' -o -name '*.dat' \) ! -name CMakeCache.txt -exec cp -- {} "$tmp/game/" \;
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/home/.config XDG_DATA_HOME=$tmp/home/.local/share XDG_RUNTIME_DIR=$tmp/run
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS XAUTHORITY

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" </dev/null >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do grep -qE '^[0-9]+$' "$tmp/display" 2>/dev/null && break; sleep 0.1; done
export DISPLAY=":$(cat "$tmp/display")"
openbox --sm-disable </dev/null >/dev/null 2>&1 &
pids+=($!)
sleep 1

# One warm-up start of each (file caches), then the measured runs, alternating.
"$build/benchmarks/map_wait" 0.2 "$build/benchmarks/bare_window" >/dev/null
"$build/benchmarks/map_wait" 0.2 "$tmp/game/shelvy" >/dev/null
: >"$tmp/bare" && : >"$tmp/game.times"
for _ in $(seq "$runs"); do
    "$build/benchmarks/map_wait" 1 "$build/benchmarks/bare_window" >>"$tmp/bare"
    "$build/benchmarks/map_wait" 1 "$tmp/game/shelvy" >>"$tmp/game.times"
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
