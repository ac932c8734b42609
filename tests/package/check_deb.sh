#!/usr/bin/env bash
# Checks a built tarvo .deb: its control fields, that it holds exactly the installed files under
# /usr and no maintainer scripts, that its dependencies were computed from the programs' shared
# libraries, and that lintian finds no error or warning in it.
# Usage: check_deb.sh DEB VERSION
set -euo pipefail
. "$(dirname "$0")/lib.sh"
deb=$1 version=$2

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(basename "$deb")" = "tarvo_${version}_amd64.deb" ] || fail "$deb is not named tarvo_${version}_amd64.deb"
[ "$(field Package) $(field Version) $(field Architecture)" = "tarvo $version amd64" ] ||
    fail "package, version or architecture wrong: $(field Package) $(field Version) $(field Architecture)"
[ "$(field Section) $(field Priority)" = "video optional" ] || fail "section or priority wrong"
# Read whole first: grep -q stops early, and under pipefail the writer's broken pipe would fail it.
grep -q '^ Description: real-time audiovisual demo$' <<<"$(dpkg-deb --info "$deb")" || fail "the synopsis is wrong"
for library in libsdl2-2.0-0 libopenmpt0 libpng16-16 libegl1 libgl1 libc6; do
    grep -Eq "(^|[,|] *)$library( |,|\$)" <<<"$(field Depends)" || fail "Depends lacks $library: $(field Depends)"
done
[ "$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sed 's|^\./||' | grep . | sort | tr '\n' ' ')" = "control md5sums " ] ||
    fail "the control archive holds more than control and md5sums"

contents=$(dpkg-deb --contents "$deb")
files=$(awk '$1 !~ /^d/ { sub(/^\.\/usr\//, "", $6); print $6 }' <<<"$contents" | LC_ALL=C sort)
[ "$files" = "$(installed_files)" ] || fail "the package's files differ from the list:$(diff <(installed_files) <(echo "$files"))"
awk '$1 !~ /^d/ && $2 != "root/root" { exit 1 }' <<<"$contents" || fail "files not owned by root"

lintian --fail-on error,warning "$deb" || fail "lintian"
echo "$deb checked"
