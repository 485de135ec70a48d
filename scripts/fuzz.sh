#!/usr/bin/env bash
# Builds the fuzz targets with Clang and runs each one on its corpus.
# Usage: scripts/fuzz.sh [SECONDS]   (default 5 per fuzzer; e.g. 600 for a long run)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cmake -S "$root/fuzz" -B "$root/build-fuzz" -G Ninja -DCMAKE_CXX_COMPILER=clang++
cmake --build "$root/build-fuzz" -j "$(nproc)"
cd "$root/build-fuzz"
FUZZ_SECONDS=${1:-${FUZZ_SECONDS:-5}} ctest --output-on-failure
