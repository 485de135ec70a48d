#!/usr/bin/env bash
# The game installed into a read-only prefix starts, shows its icon, finds its help, closes cleanly and keeps its settings in the user's config folder; run by root it still writes nothing into the prefix.
# Usage: installed_start.sh GAME_EXE SETTINGS_TOOL CMAKE BUILD_DIR PROGRAM_DIR MODULE_DIR (folders under the prefix:
# the programs', bin or games, and the network module's)
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_init "$1" "$2"
cmake=$3 build=$4 program_dir=${5:-bin} module_dir=${6:-lib/shelvy-zlyki}
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
command -v xprop >/dev/null || e2e_fail "missing xprop (scripts/setup.sh installs x11-utils)"

prefix=$E2E_TMP/prefix
"$cmake" --install "$build" --prefix "$prefix" >"$E2E_TMP/install.log" 2>&1 ||
    e2e_fail "install into $prefix: $(tail -n 20 "$E2E_TMP/install.log")"
chmod -R a-w "$prefix"
# Put write permission back before the common clean-up removes the folder.
trap 'rc=$?; chmod -R u+w "$prefix" 2>/dev/null; (exit $rc); e2e_cleanup' EXIT
find "$prefix" | sort >"$E2E_TMP/before"

# Root may write anywhere, so as root the game runs as nobody: only then is the
# prefix really closed to it.
as_player=()
if [ "$(id -u)" = 0 ]; then
    as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
    chmod 711 "$E2E_TMP"
    chown -R 65534:65534 "$HOME" "$XDG_RUNTIME_DIR"
fi

# Data the game reads from the prefix: every picture set the build made and
# every help topic in the sources.
data=$prefix/share/shelvy-zlyki
for dat in "$build"/*.dat; do
    [ -e "$dat" ] || continue
    stem=$(basename "$dat" .dat)
    [ -f "$data/$stem.dat" ] && [ -f "$data/$stem.txt" ] || e2e_fail "picture set $stem is not installed in $data"
done
for topic in "$source_dir"/help/*.html "$source_dir"/help/*/*.html "$source_dir"/help/help.css; do
    [ -e "$topic" ] || continue
    relative=${topic#"$source_dir"/help/}
    [ -f "$data/Шелвы и злыки.HLP/$relative" ] || e2e_fail "help topic $relative is not installed"
done

e2e_start_desktop
E2E_GAME_DIR=$prefix/$program_dir
E2E_SETTINGS=$XDG_CONFIG_HOME/shelvy-zlyki/$E2E_SETTINGS_NAME
"${as_player[@]}" "$E2E_GAME_DIR/shelvy" </dev/null >"$E2E_TMP/game.log" 2>&1 &
E2E_GAME_PID=$!
e2e_wait_main_window

# The window icon comes from the pictures built into the program.
icons=$(xprop -id "$E2E_MAIN_ID" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
e2e_log "window icons: $icons"
for size in 16 32 48 128; do
    [[ $icons == *"Icon ($size x $size)"* ]] || e2e_fail "the window has no ${size}x$size icon"
done

# Help comes from the installed data folder: the program's own folder has none.
e2e_press F1
e2e_wait_box "Шелвы и злыки — справка" >/dev/null
e2e_log "help found in the prefix"
# Nothing of the duel over the network is loaded at the start.
maps=$(cat "/proc/$E2E_GAME_PID/maps") || e2e_fail "cannot read the game's memory map"
[[ $maps != *libshelvy-network* && $maps != *libQt6Network* ]] || e2e_fail "the network code was loaded at the start"

e2e_close_game
e2e_expect_clean_exit
[ -f "$E2E_SETTINGS" ] || e2e_fail "no settings file in $XDG_CONFIG_HOME/shelvy-zlyki after the game ended"
e2e_decode "$E2E_SETTINGS"
e2e_expect_defaults 1 22
find "$prefix" | sort >"$E2E_TMP/after"
diff "$E2E_TMP/before" "$E2E_TMP/after" >&2 || e2e_fail "the game changed its installed files"
leftovers=$(find "$XDG_CONFIG_HOME/shelvy-zlyki" -mindepth 1 ! -name "$E2E_SETTINGS_NAME")
[ -z "$leftovers" ] || e2e_fail "files left in the config folder: $leftovers"

# The duel over the network comes from the installed module, loaded only when asked for.
module=$prefix/$module_dir/libshelvy-network.so
[ -f "$module" ] || e2e_fail "the network module is not installed as $module"
"${as_player[@]}" "$E2E_GAME_DIR/shelvy" --host $((20000 + RANDOM % 20000)) </dev/null >"$E2E_TMP/game.log" 2>&1 &
E2E_GAME_PID=$!
e2e_wait_main_window
deadline=$((SECONDS + E2E_START_TIMEOUT))
until grep -qF "$module" "/proc/$E2E_GAME_PID/maps" 2>/dev/null; do
    ((SECONDS < deadline)) || e2e_fail "the hosting game did not load the installed network module"
    sleep 0.2
done
e2e_log "the network module loaded from the prefix"
e2e_close_game
e2e_expect_clean_exit

# Root could write into the prefix; an installed game leaves it alone all the same.
if [ "$(id -u)" = 0 ]; then
    e2e_start_game
    e2e_wait_main_window
    e2e_close_game
    e2e_expect_clean_exit
    find "$prefix" | sort >"$E2E_TMP/after-root"
    diff "$E2E_TMP/before" "$E2E_TMP/after-root" >&2 || e2e_fail "run by root, the game wrote into its installed folders"
    e2e_log "run by root: the prefix is unchanged"
fi
e2e_log "PASS"
