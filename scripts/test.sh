#!/usr/bin/env bash
# Sets up, builds and runs every test twice (a normal build and one with ASan + UBSan), checks the Debian package
# with lintian, then runs each fuzzer for a few seconds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
jobs=$(nproc)
run_suite() {
    local dir=$1; shift
    cmake -S "$root" -B "$dir" -G Ninja "$@"
    cmake --build "$dir" -j "$jobs"
    (cd "$dir" && ctest --output-on-failure -j "$jobs")
}
run_suite "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The Debian package, built as scripts/package.sh builds it and checked as a distribution would (lintian).
deb=$("$root/scripts/package.sh" "$root/build-release")
bash "$root/tests/package/debian_package.sh" "$deb"
ASAN_OPTIONS=abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    run_suite "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DDUEL_SANITIZE=ON -DDUEL_BENCHMARKS=OFF
"$root/scripts/fuzz.sh" 5
