#!/usr/bin/env bash
# Checks that includes between the program's folders run one way, in the order of HACKING.md's
# layout table: a file may include files of its own folder and of folders listed before it, never
# of a folder listed after it, and the Qt-free folders include no Qt header.  Every include form
# counts: quotes or angle brackets, spaces or tabs around the '#', paths with "../" (resolved
# against the including file's folder), in tracked files and in new files git does not ignore.
# Generated headers and system headers pass.  Prints every include against the order and fails
# if there is one.  The build runs it before compiling (cmake/layers.cmake); it takes a few
# hundredths of a second.
#   includes_one_way.sh [ROOT]
set -u
root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
cd "$root" || exit 2

# The program's folders, bottom first: the one list of the layers.
order=(rules terminal storage gallery journal network platform duel session windows main_window app tools)
qt_free=(rules terminal storage gallery journal)

# HACKING.md's layout table must give the same folders in the same order.
listed=$(sed -n '/^## Layout/,/^## /s/^| `\([a-z_]*\)\/` |.*/\1/p' HACKING.md 2>/dev/null | tr '\n' ' ')
if [ "${listed% }" != "${order[*]}" ]; then
    echo "HACKING.md's layout table lists the folders as: ${listed% }"
    echo "the layer order is:                              ${order[*]}"
    exit 1
fi

# Tracked files and new ones that are not ignored; outside a git work tree every file.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    files=$(git ls-files --cached --others --exclude-standard -- "${order[@]}")
else
    files=$(find "${order[@]}" -type f 2>/dev/null)
fi
sources=$(printf '%s\n' "$files" | grep -E '\.(c|cc|cpp|cxx|h|hh|hpp|hxx|inc|ipp)$')
[ -n "$sources" ] || { echo "no program files found"; exit 2; }

# shellcheck disable=SC2086
printf '%s\n' "$files" | awk -v order="${order[*]}" -v qtfree="${qt_free[*]}" '
    # "a/b/../c" and "./a" made plain; "" when the path leaves the root.
    function normal(path,    parts, n, i, out, depth, kept) {
        n = split(path, parts, "/")
        depth = 0
        for (i = 1; i <= n; i++) {
            if (parts[i] == "" || parts[i] == ".") continue
            if (parts[i] == "..") { if (depth == 0) return ""; depth--; continue }
            kept[++depth] = parts[i]
        }
        out = ""
        for (i = 1; i <= depth; i++) out = out (i > 1 ? "/" : "") kept[i]
        return out
    }
    function top(path) { sub(/\/.*/, "", path); return path }
    BEGIN {
        n = split(order, names, " ")
        for (i = 1; i <= n; i++) rank[names[i]] = i
        m = split(qtfree, free, " ")
        for (i = 1; i <= m; i++) isQtFree[free[i]] = 1
        faults = 0
        checked = 0
    }
    # The first input is the list of every file of the folders.
    FILENAME == "-" { known[$0] = 1; next }
    FNR == 1 {
        folder = top(FILENAME)
        dir = FILENAME
        sub(/\/[^\/]*$/, "", dir)
        checked++
    }
    /^[ \t]*#[ \t]*include[ \t]*[<"]/ {
        line = $0
        sub(/^[ \t]*#[ \t]*include[ \t]*/, "", line)
        quoted = substr(line, 1, 1) == "\""
        line = substr(line, 2)
        if (quoted) sub(/".*/, "", line)
        else sub(/>.*/, "", line)
        included = line
        # A quoted name is looked up beside the including file first; a "../" path is always
        # taken from there, as the compiler takes it.
        target = ""
        if (included ~ /(^|\/)\.\.?\//) {
            target = normal(dir "/" included)
        } else if (quoted && ((dir "/" included) in known)) {
            target = dir "/" included
        } else {
            target = normal(included)
        }
        theirs = top(target)
        if (isQtFree[folder] && included ~ /^Q/) {
            printf "%s:%d: %s/ is Qt-free but includes %s\n", FILENAME, FNR, folder, included
            faults++
        } else if ((theirs in rank) && rank[theirs] > rank[folder]) {
            printf "%s:%d: %s/ includes %s (%s/, a layer above)\n", FILENAME, FNR, folder, included, theirs
            faults++
        }
    }
    END {
        printf "%d files in %d folders; %d includes against the order\n", checked, n, faults
        exit faults > 0
    }
' - $sources
