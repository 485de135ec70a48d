#!/usr/bin/env bash
# Builds a Release tree and makes the Debian package with CPack; prints the path of the .deb.
# Usage: scripts/package.sh [BUILD_DIR]   (default: build-release beside the sources)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build-release}
"$root/scripts/setup.sh"
# A Debian package installs under /usr, and its programs, a game and its tool, in /usr/games.
# It is built with the flags a Debian build uses, with every hardening feature.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DDUEL_BENCHMARKS=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr -DDUEL_PROGRAM_DIR=games \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    -DCMAKE_MODULE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >&2
cmake --build "$dir" -j "$(nproc)" >&2
# CPack names the file <name>_<version>_<architecture>.deb; list only this run's.
rm -f "$dir"/shelvy-zlyki_*.deb
(cd "$dir" && cpack -G DEB) >&2
deb=$(ls "$dir"/shelvy-zlyki_*.deb)
echo "$deb"
