#!/usr/bin/env bash
# The command lines of shelvy and shelvy-pack: help and version in English or Russian as the locale asks,
# right exit codes and streams, a failed write is an error, and no display is a Russian message, not an abort.
# Usage: command_line.sh GAME_EXE PACK_EXE
set -euo pipefail
game=$1 pack=$2
tmp=$(mktemp -d "${TMPDIR:-/tmp}/shelvy-cli.XXXXXX")
trap 'rm -rf -- "$tmp"' EXIT
# In the sanitizer build, leak checking would report Qt's one-off allocations.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

fail() {
    echo "FAIL: $*" >&2
    echo "---- stdout ----" >&2; cat "$tmp/out" >&2
    echo "---- stderr ----" >&2; cat "$tmp/err" >&2
    exit 1
}

# The locale of the next runs: English unless a section says otherwise.  LANGUAGE=ru
# with a C locale asks for Russian without needing the Russian locale installed.
english=(LC_ALL=C.UTF-8)
russian=(LANGUAGE=ru LC_ALL=C.UTF-8)
locale=("${english[@]}")

# run_exe EXPECTED_RC EXE ARGS...: runs EXE with no display at all (a game that
# tried to open its window would have nothing to open) in the current locale.
run_exe() {
    local expected=$1 exe=$2 rc=0
    shift 2
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG \
        HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config" "${locale[@]}" \
        timeout 20 "$exe" "$@" >"${OUT:-$tmp/out}" 2>"$tmp/err" || rc=$?
    [ "$rc" = "$expected" ] || fail "$(basename "$exe") $* (${locale[*]}) ended with $rc, expected $expected"
    echo "-- $(basename "$exe") $* (${locale[*]}): exit code $rc"
}
run() { run_exe "$1" "$game" "${@:2}"; }
no_stderr() { [ ! -s "$tmp/err" ] || fail "$1 wrote to standard error"; }

# --- English ----------------------------------------------------------------
run 0 --help
grep -q '^Usage: shelvy ' "$tmp/out" || fail "--help prints no usage line"
grep -q -- '--version' "$tmp/out" || fail "--help does not list --version"
grep -q -- '--help-all' "$tmp/out" || fail "--help does not list --help-all"
grep -q 'Шелвы и злыки' "$tmp/out" || fail "--help does not name the game"
! grep -q -- '--platform' "$tmp/out" || fail "--help lists Qt's options, which only --help-all promises"
no_stderr --help
run 0 -h
grep -q '^Usage: shelvy ' "$tmp/out" || fail "-h prints no usage line"

# --help-all keeps its promise: Qt's options, with what each does.
run 0 --help-all
for option in platform style session display reverse; do
    grep -qE -- "^ +--?$option\b.* [A-Z]" "$tmp/out" || fail "--help-all does not describe Qt's option -$option"
done
no_stderr --help-all

for option in --version -v; do
    run 0 "$option"
    [ "$(head -n 1 "$tmp/out")" = "shelvy-zlyki 2.0" ] || fail "$option printed '$(head -n 1 "$tmp/out")' first"
    grep -q '^License GPLv3+' "$tmp/out" || fail "$option does not name the licence"
    no_stderr "$option"
done

# Qt's own options go to Qt (a session manager restarts the game with
# -session); they must not be refused.
run 0 -style fusion -session 1234abcd --version
[ "$(head -n 1 "$tmp/out")" = "shelvy-zlyki 2.0" ] || fail "Qt's options changed the answer to --version"

# Bad command lines: a message naming the culprit on standard error, nothing
# on standard output, exit code 2.
refused() {
    local culprit=$1
    shift
    run 2 "$@"
    [ ! -s "$tmp/out" ] || fail "shelvy $* wrote to standard output"
    grep -qF -- "$culprit" "$tmp/err" || fail "the message for shelvy $* does not name '$culprit'"
    grep -qF -- 'shelvy --help' "$tmp/err" || fail "the message for shelvy $* does not point to --help"
}
refused '--no-such-option' --no-such-option
refused '-x' -x
refused '--no-such-option' --no-such-option=3
refused 'unknown option' --fullscreen
refused "unexpected argument 'extra'" extra
refused '-style' -style

# The duel over the network: --help lists its options; bad values are refused like bad options.
run 0 --help
for option in '--host <PORT>' '--join <ADDRESS\[:PORT\]>' '--name <NAME>'; do
    grep -q -- "$option" "$tmp/out" || fail "--help does not list $option"
done
refused "invalid port '0' for --host" --host 0
refused "invalid port '65536' for --host" --host 65536
refused "invalid port 'x1' for --host" --host x1
refused '--join needs an address' --join ''
refused '--join needs an address' --join :24747
refused "Missing value after '--join'" --join
refused "invalid port in 'alice:0' for --join" --join alice:0
refused "invalid address 'a b' for --join" --join 'a b'
refused 'invalid name for --name' --name ''
refused 'invalid name for --name' --name 'abcdefghijklmnopqrstu'
refused 'invalid name for --name' --name "$(printf 'Eve\342\200\256evE')"
refused '--host and --join cannot be used together' --host --join 127.0.0.1
refused '--host and --join cannot be used together' --join '[::1]:24747' --host 24747

# A text that cannot be written is an error, not a success (here a full disk).
for option in --help --help-all --version; do
    OUT=/dev/full run 1 "$option"
    grep -q 'could not write' "$tmp/err" || fail "shelvy $option >/dev/full says nothing about the failed write"
done

# --- Russian ----------------------------------------------------------------
locale=("${russian[@]}")
run 0 --help
grep -q '^Использование: shelvy ' "$tmp/out" || fail "--help under a Russian locale prints no Russian usage line"
grep -q '^Параметры:' "$tmp/out" || fail "--help under a Russian locale has no Russian heading of the options"
! grep -q 'Displays\|Usage' "$tmp/out" || fail "--help under a Russian locale still has English lines"
no_stderr "--help (Russian)"
run 0 --help-all
grep -q 'платформ' "$tmp/out" || fail "--help-all under a Russian locale does not describe -platform in Russian"
run 0 --version
[ "$(head -n 1 "$tmp/out")" = "shelvy-zlyki 2.0" ] || fail "--version printed '$(head -n 1 "$tmp/out")' first"
grep -q '^Лицензия GPLv3+' "$tmp/out" || fail "--version under a Russian locale is not in Russian"
# A Qt option without its value is answered in Russian too.
refused '«-style»' -style
! grep -q 'Missing value' "$tmp/err" || fail "a Qt option without its value is answered in English"
refused 'неизвестный параметр «--fullscreen»' --fullscreen
refused 'лишний аргумент «extra»' extra
refused 'неверный порт «0» для --host' --host 0
refused 'неверное имя для --name: имя должно быть не длиннее 20 знаков.' --name 'abcdefghijklmnopqrstu'
run 0 --help
grep -q -- '--join <АДРЕС\[:ПОРТ\]>' "$tmp/out" || fail "the Russian --help does not list --join"
OUT=/dev/full run 1 --help
grep -q 'не удалось записать' "$tmp/err" || fail "the failed write is not reported in Russian"
# The usual way of asking for Russian works as well (the Russian locale need not be installed).
locale=(LANG=ru_RU.UTF-8)
run 0 --help
grep -q '^Использование: shelvy ' "$tmp/out" || fail "LANG=ru_RU.UTF-8 does not give the Russian help"
locale=(LANG=ru_RU.UTF-8 LC_MESSAGES=en_US.UTF-8)
run 0 --help
grep -q '^Usage: shelvy ' "$tmp/out" || fail "LC_MESSAGES=en_US.UTF-8 does not win over LANG"

# --- shelvy-pack --------------------------------------------------------------
locale=("${english[@]}")
run_exe 0 "$pack" --help
grep -q '^Usage: shelvy-pack STEM ' "$tmp/out" || fail "shelvy-pack --help prints no English usage line"
run_exe 0 "$pack" --version
[ "$(head -n 1 "$tmp/out")" = "shelvy-pack (shelvy-zlyki) 2.0" ] || fail "shelvy-pack --version: '$(head -n 1 "$tmp/out")'"
OUT=/dev/full run_exe 1 "$pack" --help
run_exe 2 "$pack"
grep -q '^Usage: shelvy-pack' "$tmp/err" || fail "shelvy-pack without arguments shows no usage"
locale=("${russian[@]}")
run_exe 0 "$pack" -h
grep -q '^Использование: shelvy-pack ОСНОВА ' "$tmp/out" || fail "shelvy-pack --help under a Russian locale is not Russian"
run_exe 0 "$pack" -v
grep -q '^Лицензия GPLv3+' "$tmp/out" || fail "shelvy-pack --version under a Russian locale is not Russian"

# --- No display ---------------------------------------------------------------
# Without a display the game says so in Russian and ends with 1, not with Qt's abort.
locale=("${english[@]}")
no_display() {
    run 1 "$@"
    grep -q 'нет дисплея, на котором можно показать игру' "$tmp/err" || fail "no Russian message about the display"
    ! grep -qi 'qt.qpa\|This application failed' "$tmp/err" || fail "Qt's English text is still printed"
}
no_display
grep -q 'DISPLAY' "$tmp/err" || fail "the message does not say that DISPLAY is not set"
# An X display that does not answer: a display number with no server.
for ((n = 150; n < 200; n++)); do [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break; done
no_display -display ":$n"
grep -qF "«:$n»" "$tmp/err" || fail "the message does not name the display :$n"

# The offscreen platform needs no display and still starts the game (it runs
# until SIGTERM ends it with its usual exit code 0).
mkdir -p "$tmp/game" "$tmp/home"
cp -- "$game" "$tmp/game/shelvy"
env -u DISPLAY -u WAYLAND_DISPLAY HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config" QT_QPA_PLATFORM=offscreen \
    "$tmp/game/shelvy" >"$tmp/out" 2>"$tmp/err" &
pid=$!
sleep 2
kill -0 "$pid" 2>/dev/null || { wait "$pid" || true; fail "the game under QT_QPA_PLATFORM=offscreen ended by itself"; }
kill -TERM "$pid"
rc=0
wait "$pid" || rc=$?
[ "$rc" = 0 ] || fail "the game under QT_QPA_PLATFORM=offscreen ended with $rc after SIGTERM"
echo "-- the game runs offscreen: exit code 0 after SIGTERM"

# Good values of the network's options start the game as well (and Qt is not handed them).
env -u DISPLAY -u WAYLAND_DISPLAY HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config" QT_QPA_PLATFORM=offscreen \
    "$tmp/game/shelvy" --host 24999 --name 'Вася Пупкин' >"$tmp/out" 2>"$tmp/err" &
pid=$!
sleep 2
kill -0 "$pid" 2>/dev/null || { wait "$pid" || true; fail "the game with --host 24999 --name ... ended by itself"; }
kill -TERM "$pid"
rc=0
wait "$pid" || rc=$?
[ "$rc" = 0 ] || fail "the game with --host and --name ended with $rc after SIGTERM"
echo "-- the game starts with --host 24999 --name 'Вася Пупкин'"
echo "-- PASS"
