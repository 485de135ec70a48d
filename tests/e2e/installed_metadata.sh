#!/usr/bin/env bash
# Installs into a temporary prefix and checks what a desktop sees: menu entry, software-centre entry, icons,
# manual pages in English and Russian, the package's documents, and one home page everywhere.
# Usage: installed_metadata.sh CMAKE BUILD_DIR PROGRAM_DIR (bin or games, under the prefix)
set -euo pipefail
cmake=$1 build=$2 program_dir=${3:-bin}
tmp=$(mktemp -d "${TMPDIR:-/tmp}/shelvy-meta.XXXXXX")
trap 'rm -rf -- "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
for cmd in desktop-file-validate appstreamcli groff man; do
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
[ "$(key Name)" = "Shelvy and Zlyki" ] || fail "Name is '$(key Name)'"
[ "$(key 'Name\[ru\]')" = "Шелвы и злыки" ] || fail "Name[ru] is '$(key 'Name\[ru\]')'"
[ "$(key Categories)" = "Game;LogicGame;" ] || fail "Categories is '$(key Categories)'"
exe=$(key Exec)
[ -x "$prefix/$program_dir/${exe%% *}" ] || fail "Exec=$exe is not installed in $program_dir/"
[ -x "$prefix/$program_dir/shelvy-pack" ] || fail "shelvy-pack is not installed in $program_dir/"
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

# Four manual pages: each program in English and in Russian, each free of roff warnings.
for page in man6/shelvy.6 man1/shelvy-pack.1 ru/man6/shelvy.6 ru/man1/shelvy-pack.1; do
    man=$prefix/share/man/$page.gz
    [ -f "$man" ] || fail "no manual page share/man/$page.gz"
    gzip -dc "$man" | groff -man -ww -z -K utf8 -Tutf8 2>"$tmp/man.log" || fail "groff failed on $page"
    [ ! -s "$tmp/man.log" ] || { cat "$tmp/man.log" >&2; fail "$page has roff warnings"; }
    gzip -dc "$man" | grep -q "^\.TH [^ ]* ${page##*.} " || fail "$page does not say it is in section ${page##*.}"
done
# man reads them in the language asked for.
for program in shelvy shelvy-pack; do
    MANPATH=$prefix/share/man LC_ALL=C.UTF-8 MANWIDTH=80 man -L ru "$program" >"$tmp/man.txt" 2>&1 ||
        fail "man -L ru $program: $(cat "$tmp/man.txt")"
    grep -q '^ИМЯ' "$tmp/man.txt" && grep -q '^ОПИСАНИЕ' "$tmp/man.txt" || fail "man -L ru $program is not Russian"
    MANPATH=$prefix/share/man LC_ALL=C.UTF-8 MANWIDTH=80 man -L en "$program" >"$tmp/man.txt" 2>&1 ||
        fail "man -L en $program: $(cat "$tmp/man.txt")"
    grep -q '^DESCRIPTION' "$tmp/man.txt" || fail "man -L en $program is not English"
done

# The package's documents: a machine-readable copyright file and the changelog.
doc=$prefix/share/doc/shelvy-zlyki
head -n 1 "$doc/copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not machine-readable"
version=$(env -u LANGUAGE LC_ALL=C.UTF-8 "$prefix/$program_dir/shelvy" --version | head -n 1)
gzip -dc "$doc/changelog.gz" | head -n 1 | grep -qF "shelvy-zlyki (${version#shelvy-zlyki }) " ||
    fail "the changelog does not begin with the version $version"
grep -qF '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" || fail "the metainfo names no licence"

# One home page: the game's own ("http://" + the host in the generated header), and the
# same address in the program's --version, the metainfo, every manual page, the copyright
# file and the package's control data.
host=$(sed -n 's/^#define DUEL_HOME_HOST "\(.*\)"$/\1/p' "$build/generated/deployment.h")
[ -n "$host" ] || fail "no DUEL_HOME_HOST in $build/generated/deployment.h"
home="http://$host"
said() { [ "$2" = "$home" ] || fail "$1 gives the home page '$2', the game opens '$home'"; }
said "shelvy --version" "$(env -u LANGUAGE LC_ALL=C.UTF-8 "$prefix/$program_dir/shelvy" --version | sed -n 's/^Home page: //p')"
said "shelvy-pack --version" "$(env -u LANGUAGE LC_ALL=C.UTF-8 "$prefix/$program_dir/shelvy-pack" --version | sed -n 's/^Home page: //p')"
said "the metainfo" "$(sed -n 's:.*<url type="homepage">\(.*\)</url>.*:\1:p' "$metainfo")"
for page in man6/shelvy.6 man1/shelvy-pack.1 ru/man6/shelvy.6 ru/man1/shelvy-pack.1; do
    said "$page" "$(gzip -dc "$prefix/share/man/$page.gz" | sed -n 's/^\.UR //p' | sed 's/\\-/-/g')"
done
said "the copyright file" "$(sed -n 's/^Source: //p' "$doc/copyright")"
said "the package" "$(sed -n 's/^set(CPACK_PACKAGE_HOMEPAGE_URL "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")"
echo "-- PASS"
