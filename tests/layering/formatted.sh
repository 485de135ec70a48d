#!/usr/bin/env bash
# Checks that every C++ file of the project follows the root's .clang-format.
set -u
root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
cd "$root" || exit 2
command -v clang-format >/dev/null || { echo "clang-format is missing: run scripts/setup.sh"; exit 2; }
files=$(git ls-files '*.cpp' '*.h')
[ -n "$files" ] || { echo "no C++ files found"; exit 2; }
# shellcheck disable=SC2086
clang-format --dry-run --Werror $files || { echo "run: git ls-files '*.cpp' '*.h' | xargs clang-format -i"; exit 1; }
echo "$(echo "$files" | wc -l) files follow .clang-format"
