#!/usr/bin/env bash
# Installs what building, running and testing the game needs on Debian 12 (safe to run again).
set -euo pipefail
packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-image-formats-plugins libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev libsqlite3-dev
    fonts-liberation fonts-dejavu-core
    xvfb xauth openbox wmctrl x11-utils libxcb1-dev dbus-daemon
    librsvg2-bin desktop-file-utils appstream groff-base man-db dpkg-dev lintian xdotool imagemagick sqlite3
    libavahi-client-dev
    libstrophe-dev qtkeychain-qt6-dev prosody openssl lua-sec
    clang libclang-rt-14-dev clang-format
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
