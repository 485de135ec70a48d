#!/usr/bin/env bash
# Runs one fuzzer for FUZZ_SECONDS seconds (default 5) on a temporary copy of its seed corpus.
# Usage: run_fuzzer.sh FUZZER_EXE CORPUS_DIR [extra libFuzzer options...]
# New inputs stay in the temporary copy; the repository's corpus is never changed.
# A crash leaves its input as crash-* in the current folder and fails the run.
set -euo pipefail
fuzzer=$1
corpus=$2
shift 2
work=$(mktemp -d "${TMPDIR:-/tmp}/shelvy-fuzz.XXXXXX")
trap 'rm -rf -- "$work"' EXIT
mkdir -p "$work/corpus"
[ -d "$corpus" ] && cp -R -- "$corpus/." "$work/corpus/"
"$fuzzer" -max_total_time="${FUZZ_SECONDS:-5}" -print_final_stats=1 "$@" "$work/corpus"
