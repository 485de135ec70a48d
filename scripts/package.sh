#!/usr/bin/env bash
# Builds a Release tree and makes the Debian package with CPack; prints the path of the .deb.
# Usage: scripts/package.sh [BUILD_DIR]   (default: build-release beside the sources)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build-release}
"$root/scripts/setup.sh"
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$dir" -j "$(nproc)"
# CPack names the file <name>_<version>_<architecture>.deb; list only this run's.
rm -f "$dir"/shelvy-zlyki_*.deb
(cd "$dir" && cpack -G DEB) >&2
deb=$(ls "$dir"/shelvy-zlyki_*.deb)
echo "$deb"
