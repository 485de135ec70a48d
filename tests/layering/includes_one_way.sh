#!/usr/bin/env bash
# Checks that includes run one way: rules, then platform, then the windows, then
# the main window with its handlers, then app/.  Prints every include that runs
# back up and fails if there is one.
set -u
root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
cd "$root" || exit 2

# The Qt-free rules: every file named in a target_sources(duel_rules ...) call.
rules=()
for list in */CMakeLists.txt; do
    folder=${list%/CMakeLists.txt}
    for name in $(tr '\n' ' ' < "$list" | grep -o 'target_sources(duel_rules[^)]*)' |
                  sed 's/target_sources(duel_rules PRIVATE//; s/)//'); do
        rules+=("$folder/$name")
    done
done
is_rules() { local f; for f in "${rules[@]}"; do [ "$f" = "$1" ] && return 0; done; return 1; }

# Layer of a project file: 0 rules, 1 platform, 2 windows, 3 main window, 4 app.
layer() {
    local file=$1
    if is_rules "$file"; then echo 0
    elif [[ $file == platform/* ]]; then echo 1
    elif [[ $file == app/* ]]; then echo 4
    elif [[ $file == core/main_window.h ]] || grep -q 'MainWindow::' "$file" 2>/dev/null; then echo 3
    else echo 2
    fi
}

faults=0
for file in $(git ls-files 'core/*' 'keypad/*' 'opponent/*' 'records/*' 'gallery/*' 'info/*' \
                           'platform/*' 'app/*' | grep -E '\.(cpp|h)$'); do
    own=$(layer "$file")
    while IFS= read -r included; do
        [ -f "$included" ] || continue
        theirs=$(layer "$included")
        if [ "$theirs" -gt "$own" ]; then
            echo "$file (layer $own) includes $included (layer $theirs)"
            faults=$((faults + 1))
        fi
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
    if [ "$own" = 0 ] && grep -qE '^#include <Q' "$file"; then
        echo "$file is a rules file but includes Qt"
        faults=$((faults + 1))
    fi
done
[ ${#rules[@]} -gt 0 ] || { echo "no rules files found"; exit 2; }
echo "${#rules[@]} rules files; $faults includes against the layers"
[ "$faults" = 0 ]
