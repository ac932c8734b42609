#!/usr/bin/env bash
# CI only, as root: installs the .deb with apt as a user would, runs both programs from the PATH,
# checks what a desktop needs to list it in its applications menu, then removes it and every
# package it pulled in, and checks the machine is as it was: the same packages, none of its files.
# Usage: apt_check.sh DEB VERSION
set -euo pipefail
. "$(dirname "$0")/lib.sh"
deb=$(realpath "$1") version=$2 golden=$(realpath "$(dirname "$0")/../golden/programme-0.png")
[ "$(id -u)" -eq 0 ] || fail "run as root: it installs and removes a package"
dpkg-query -W tarvo >/dev/null 2>&1 && fail "tarvo is installed already; this check would remove it"
export DEBIAN_FRONTEND=noninteractive

packages() { dpkg-query -W -f '${db:Status-Abbrev} ${Package}:${Architecture}\n' | awk '$1 == "ii" { print $2 }' | sort; }
work=$(mktemp -d)
packages >"$work/before"
remove() {
    packages | comm -13 "$work/before" - >"$work/added"
    [ ! -s "$work/added" ] || apt-get purge -y -qq $(cat "$work/added") >/dev/null
}
trap 'remove; rm -rf "$work"' EXIT

apt-get install -y -qq "$deb" >/dev/null
[ "$(command -v tarvo) $(command -v tarvo-capture)" = "/usr/bin/tarvo /usr/bin/tarvo-capture" ] ||
    fail "the programs are not on the PATH"
check_versions /usr/bin "$version"
check_capture tarvo-capture "$work" "$golden"
check_desktop_files "" /usr "$version"
[ "$(man -w tarvo) $(man -w tarvo-capture)" = "/usr/share/man/man6/tarvo.6.gz /usr/share/man/man1/tarvo-capture.1.gz" ] ||
    fail "man does not find the pages"
# The icon cache, where the machine keeps one, was brought up to date by its package's trigger.
cache=/usr/share/icons/hicolor/icon-theme.cache
[ ! -f "$cache" ] || grep -aq tarvo "$cache" || fail "the hicolor icon cache does not know tarvo"

installed=$(dpkg -L tarvo)
remove
[ "$(packages)" = "$(cat "$work/before")" ] || fail "the installed packages differ from before"
while read -r path; do
    [ -d "$path" ] || [ ! -e "$path" ] || fail "$path is left behind"
done <<<"$installed"
[ ! -e /usr/share/doc/tarvo ] || fail "/usr/share/doc/tarvo is left behind"
echo "$deb installed, ran and was removed cleanly"
