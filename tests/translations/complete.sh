#!/bin/bash
# Every catalogue is up to date with the sources and finished: lupdate run on a copy changes
# nothing (no new text, no text gone), no translation is unfinished, vanished or obsolete, and no
# translation into a language other than Russian holds a Cyrillic letter.
#   complete.sh LUPDATE --ts FILE... --paths FOLDER... --options OPTION...
set -euo pipefail
lupdate=$1
shift
ts=() paths=() options=()
list=
for argument in "$@"; do
    case $argument in
        --ts | --paths | --options) list=${argument#--} ;;
        *) eval "$list+=(\"\$argument\")" ;;
    esac
done
[ ${#ts[@]} -gt 0 ] && [ ${#paths[@]} -gt 0 ] || { echo "usage: complete.sh LUPDATE --ts ... --paths ..."; exit 2; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0
for catalogue in "${ts[@]}"; do
    name=$(basename "$catalogue")
    cp "$catalogue" "$tmp/$name"
    "$lupdate" "${options[@]}" "${paths[@]}" -ts "$tmp/$name" >"$tmp/lupdate.log" 2>&1 ||
        { cat "$tmp/lupdate.log"; echo "FAIL: lupdate failed on $name"; exit 1; }
    if ! cmp -s "$catalogue" "$tmp/$name"; then
        echo "FAIL: $name is not up to date with the sources (cmake --build build --target update_translations):"
        diff -u "$catalogue" "$tmp/$name" | head -n 60 || true
        failed=1
    fi
    if grep -n -E 'type="(unfinished|vanished|obsolete)"' "$catalogue" >"$tmp/open"; then
        echo "FAIL: $name has texts without a finished translation, or kept after leaving the sources:"
        grep -n -B 3 -E 'type="(unfinished|vanished|obsolete)"' "$catalogue" | grep '<source>' | head -n 40
        failed=1
    fi
    if ! grep -q ' language="ru' "$catalogue" &&
        LC_ALL=C.UTF-8 grep -n -P '<(translation|numerusform)>.*[\x{0400}-\x{04FF}]' "$catalogue" >"$tmp/cyrillic"; then
        echo "FAIL: $name has Russian letters in translations:"
        head -n 20 "$tmp/cyrillic"
        failed=1
    fi
done
[ $failed -eq 0 ] && echo "PASS: ${#ts[@]} catalogue(s) complete"
exit $failed
