#!/usr/bin/env bash
# Installs into a temporary prefix and checks what a desktop sees: menu entry, software-centre entry, icons, manual page.
# Usage: installed_metadata.sh CMAKE BUILD_DIR
set -euo pipefail
cmake=$1 build=$2
tmp=$(mktemp -d "${TMPDIR:-/tmp}/shelvy-meta.XXXXXX")
trap 'rm -rf -- "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
for cmd in desktop-file-validate appstreamcli groff; do
    command -v "$cmd" >/dev/null || fail "missing $cmd (scripts/setup.sh installs it)"
done

prefix=$tmp/prefix
"$cmake" --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1 || { cat "$tmp/install.log" >&2; fail "install"; }

app_id=org.example.shelvy_zlyki
desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
[ -f "$desktop" ] || fail "no $app_id.desktop in share/applications"
[ -f "$metainfo" ] || fail "no $app_id.metainfo.xml in share/metainfo"

desktop-file-validate "$desktop" || fail "desktop-file-validate refused the menu entry"
appstreamcli validate --no-net --explain "$metainfo" || fail "appstreamcli refused the metainfo"

# The pieces must point at each other: the metainfo at the menu entry, the
# entry at a program and an icon that the install put in place.
grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $app_id.desktop"
key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Name)" = "Шелвы и злыки" ] || fail "Name is '$(key Name)'"
[ "$(key Categories)" = "Game;LogicGame;" ] || fail "Categories is '$(key Categories)'"
exe=$(key Exec)
[ -x "$prefix/bin/${exe%% *}" ] || fail "Exec=$exe is not installed in bin/"
icon=$(key Icon)
[ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon.svg"
# Each PNG is really as large as its folder says (width and height in the
# PNG header, bytes 16 to 23).
for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x$size/apps/$icon.png
    [ -f "$png" ] || fail "no ${size}x$size icon"
    read -r w0 w1 w2 w3 h0 h1 h2 h3 < <(od -An -tu1 -j16 -N8 "$png")
    w=$(((w0 << 24) | (w1 << 16) | (w2 << 8) | w3)) h=$(((h0 << 24) | (h1 << 16) | (h2 << 8) | h3))
    [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "the ${size}x$size icon is ${w}x$h"
done

man=$prefix/share/man/man6/shelvy.6.gz
[ -f "$man" ] || fail "no manual page shelvy(6)"
gzip -dc "$man" | groff -man -ww -z -K utf8 -Tutf8 2>"$tmp/man.log" || fail "groff failed on the manual page"
[ ! -s "$tmp/man.log" ] || { cat "$tmp/man.log" >&2; fail "the manual page has roff warnings"; }
gzip -dc "$man" | grep -q '^\.TH SHELVY 6 ' || fail "the manual page is not in section 6"
echo "-- PASS"
