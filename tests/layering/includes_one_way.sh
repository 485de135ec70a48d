#!/usr/bin/env bash
# Checks that includes between the program's folders run one way, in the order of the README's
# layout table: a file may include files of its own folder and of folders listed before it,
# never of a folder listed after it.  The Qt-free folders include no Qt header.  Prints every
# include against the order and fails if there is one.
set -u
root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
cd "$root" || exit 2

# The program's folders, bottom first, as the README's layout table lists them.
order=(rules gallery journal network platform duel windows main_window app tools)
qt_free=(rules gallery journal)

# The README's table must give the same order, so that a reader sees the layers.
listed=()
while IFS= read -r folder; do
    for known in "${order[@]}"; do [ "$folder" = "$known" ] && listed+=("$folder"); done
done < <(sed -n '/^## Layout/,/^## /s/^| `\([a-z_]*\)\/` |.*/\1/p' README.md)
if [ "${listed[*]}" != "${order[*]}" ]; then
    echo "the README's layout table lists the folders as: ${listed[*]}"
    echo "the layer order is:                             ${order[*]}"
    exit 1
fi

rank() {
    local i
    for i in "${!order[@]}"; do [ "${order[$i]}" = "$1" ] && { echo "$i"; return; }; done
    echo -1
}

faults=0
checked=0
for file in $(git ls-files "${order[@]/%//*}" | grep -E '\.(cpp|h)$'); do
    folder=${file%%/*}
    own=$(rank "$folder")
    checked=$((checked + 1))
    while IFS= read -r included; do
        theirs_folder=${included%%/*}
        [ "$included" = "$theirs_folder" ] && continue  # a file of the same folder, named alone
        theirs=$(rank "$theirs_folder")
        [ "$theirs" = -1 ] && continue                   # generated headers, tools' own files
        if [ "$theirs" -gt "$own" ]; then
            echo "$file ($folder/) includes $included ($theirs_folder/, a layer above)"
            faults=$((faults + 1))
        fi
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
    for free in "${qt_free[@]}"; do
        if [ "$folder" = "$free" ] && grep -qE '^#include <Q' "$file"; then
            echo "$file is in the Qt-free $folder/ but includes Qt"
            faults=$((faults + 1))
        fi
    done
done
[ "$checked" -gt 0 ] || { echo "no program files found"; exit 2; }
echo "$checked files in ${#order[@]} folders; $faults includes against the order"
[ "$faults" = 0 ]
