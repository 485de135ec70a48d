#!/usr/bin/env bash
# Checks the Debian package as a distribution would: lintian finds nothing at its default level,
# the programs are in /usr/games, and the manuals and documents are where Debian keeps them.
# Usage: debian_package.sh DEB   (scripts/test.sh makes the package with scripts/package.sh)
set -euo pipefail
deb=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v lintian >/dev/null || fail "missing lintian (scripts/setup.sh installs it)"
[ -f "$deb" ] || fail "no package at $deb"

# Any error or warning (lintian's default level) fails; so does any other remark it prints.
# (Its notes about itself, such as being run by root, go to standard error.)
rc=0
report=$(lintian --fail-on error,warning "$deb") || rc=$?
[ -z "$report" ] && [ "$rc" = 0 ] || { echo "$report" >&2; fail "lintian ($rc) has something to say about $(basename "$deb")"; }
echo "-- lintian: nothing to report"

files=$(dpkg-deb -c "$deb" | awk '{ print $NF }' | sed 's:^\./:/:')
for file in /usr/games/shelvy /usr/games/shelvy-pack \
    /usr/share/man/man6/shelvy.6.gz /usr/share/man/man1/shelvy-pack.1.gz \
    /usr/share/man/ru/man6/shelvy.6.gz /usr/share/man/ru/man1/shelvy-pack.1.gz \
    /usr/share/doc/shelvy-zlyki/copyright /usr/share/doc/shelvy-zlyki/changelog.gz \
    /usr/share/metainfo/org.example.shelvy_zlyki.metainfo.xml /usr/share/applications/org.example.shelvy_zlyki.desktop; do
    grep -qxF "$file" <<<"$files" || fail "the package has no $file"
done
# The network module, private to the game, outside the folders ldconfig keeps.
grep -qE '^/usr/lib/[^/]+/shelvy-zlyki/libshelvy-network\.so$' <<<"$files" ||
    fail "the package has no network module in /usr/lib/<multiarch>/shelvy-zlyki"
! grep -q '^/usr/bin/' <<<"$files" || fail "the package puts programs in /usr/bin: $(grep '^/usr/bin/' <<<"$files")"
echo "-- PASS"
