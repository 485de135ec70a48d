#!/usr/bin/env bash
# Proves that includes_one_way.sh sees every form of include: copies the program's folders, the
# layout table and the check into a temporary git work tree, checks that the clean copy passes,
# then plants one include against the layers at a time and expects the check to fail and to name
# the planted line.
#   planted_includes.sh [ROOT]
set -u
root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
check=tests/layering/includes_one_way.sh
work=$(mktemp -d "${TMPDIR:-/tmp}/shelvy-layers.XXXXXX")
trap 'rm -rf -- "$work"' EXIT

# The tracked files of the program's folders and what the check reads, as git sees them now.
(cd "$root" && git ls-files --cached --others --exclude-standard -- \
    rules terminal storage gallery journal network platform duel session windows main_window app tools \
    HACKING.md .gitignore "$check" | tar -cf - -T -) | tar -xf - -C "$work" || exit 2
git -C "$work" init -q && git -C "$work" add -A || exit 2

failures=0
# expect_check <pass|fail> <what> [<file>:<line> the check must name]
expect_check() {
    local want=$1 what=$2 names=${3:-} output status
    output=$(bash "$work/$check" "$work" 2>&1)
    status=$?
    if [ "$want" = pass ] && [ "$status" != 0 ]; then
        echo "FAIL: $what: the check failed:"; echo "$output"; failures=$((failures + 1))
    elif [ "$want" = fail ] && [ "$status" = 0 ]; then
        echo "FAIL: $what: the check passed:"; echo "$output"; failures=$((failures + 1))
    elif [ -n "$names" ] && ! grep -qF "$names" <<<"$output"; then
        echo "FAIL: $what: the check does not name $names:"; echo "$output"; failures=$((failures + 1))
    else
        echo "ok: $what ($want)"
    fi
}

# plant <file> <line> <what>: appends the line to a file of the copy, runs the check, takes it out.
plant() {
    local file=$1 line=$2 what=$3 existed=1
    [ -e "$work/$file" ] || existed=0
    [ "$existed" = 1 ] && cp -- "$work/$file" "$work/$file.orig"
    printf '%s\n' "$line" >>"$work/$file"
    local number
    number=$(wc -l <"$work/$file")
    expect_check fail "$what" "$file:$number:"
    if [ "$existed" = 1 ]; then mv -- "$work/$file.orig" "$work/$file"; else rm -f -- "$work/$file"; fi
}

expect_check pass "the clean tree"

plant duel/clocks.cpp '#include "../windows/host_window.h"' 'a path beside the file, into a layer above'
plant duel/clocks.cpp '#  include "windows/x.h"' 'an indented include of a layer above'
plant duel/clocks.cpp $'\t#\tinclude <windows/host_window.h>' 'tabs and angle brackets'
plant rules/hint.cpp '#include <main_window/main_window.h>' 'angle brackets from the bottom to the top'
plant rules/hint.cpp '#include <gallery/save_name.h>' 'angle brackets into the gallery'
plant rules/hint.cpp '#include "./../storage/held_file.h"' 'a path through the parent folder into storage'
plant rules/layer_probe.h '#include "storage/held_file.h"' 'a new file git does not track yet'
plant storage/held_file.cpp '#include <QString>' 'Qt in the Qt-free storage'
plant journal/csv.cpp '#include <QtCore/QString>' 'Qt by its module path in the Qt-free journal'

# What may pass does: a file of the same folder named beside it, a folder below, a system header,
# the generated deployment header, and an ignored file.
for line in '#include "step_helpers.h"' '#include "../rules/game_state.h"' '#  include <gallery/save_name.h>' \
    '#include <vector>' '#include "deployment.h"'; do
    cp -- "$work/duel/clocks.cpp" "$work/duel/clocks.cpp.orig"
    printf '%s\n' "$line" >>"$work/duel/clocks.cpp"
    expect_check pass "duel/ may write: $line"
    mv -- "$work/duel/clocks.cpp.orig" "$work/duel/clocks.cpp"
done
mkdir -p "$work/rules/build-probe" && echo '/rules/build-probe/' >>"$work/.gitignore"
printf '#include "windows/host_window.h"\n' >"$work/rules/build-probe/ignored.h"
expect_check pass "an ignored file"
rm -rf -- "$work/rules/build-probe"

# The layout table of HACKING.md must list the folders in the check's order.
sed -i '/^| `storage\/` |/{h;d};/^| `gallery\/` |/{G}' "$work/HACKING.md"
expect_check fail "a layout table with gallery/ before storage/" "HACKING.md's layout table"

if [ "$failures" = 0 ]; then
    echo "every planted include was refused and the clean tree passed"
else
    echo "$failures checks went wrong"
    exit 1
fi
