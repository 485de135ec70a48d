#!/usr/bin/env bash
# --help, --version and bad options are answered without a display, with the right exit codes and streams.
# Usage: command_line.sh GAME_EXE
set -euo pipefail
game=$1
tmp=$(mktemp -d "${TMPDIR:-/tmp}/shelvy-cli.XXXXXX")
trap 'rm -rf -- "$tmp"' EXIT

fail() {
    echo "FAIL: $*" >&2
    echo "---- stdout ----" >&2; cat "$tmp/out" >&2
    echo "---- stderr ----" >&2; cat "$tmp/err" >&2
    exit 1
}

# run EXPECTED_RC ARGS...: runs the game with no display at all; a game that
# tried to open its window would fail to reach an X server and abort.
run() {
    local expected=$1 rc=0
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config" \
        timeout 20 "$game" "$@" >"$tmp/out" 2>"$tmp/err" || rc=$?
    [ "$rc" = "$expected" ] || fail "shelvy $* ended with $rc, expected $expected"
    echo "-- shelvy $*: exit code $rc"
}

run 0 --help
grep -q '^Usage: shelvy ' "$tmp/out" || fail "--help prints no usage line"
grep -q -- '--version' "$tmp/out" || fail "--help does not list --version"
grep -q 'Шелвы и злыки' "$tmp/out" || fail "--help does not name the game"
[ ! -s "$tmp/err" ] || fail "--help wrote to standard error"
run 0 -h
grep -q '^Usage: shelvy ' "$tmp/out" || fail "-h prints no usage line"

for option in --version -v; do
    run 0 "$option"
    [ "$(cat "$tmp/out")" = "shelvy-zlyki 2.0" ] || fail "$option printed '$(cat "$tmp/out")'"
done

# Qt's own options go to Qt (a session manager restarts the game with
# -session); they must not be refused.
run 0 -style fusion -session 1234abcd --version
[ "$(cat "$tmp/out")" = "shelvy-zlyki 2.0" ] || fail "Qt's options changed the answer to --version"

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
refused 'неизвестный параметр' --fullscreen
refused 'лишний аргумент «extra»' extra
refused '-style' -style
echo "-- PASS"
