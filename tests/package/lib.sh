# Sourced by the package checks: what an installed Tarvo holds, and the checks of it that the
# install tree, the .deb and the installed package share.

fail() { echo "FAIL: $*" >&2; exit 1; }

# Every file an install puts under its prefix.
installed_files() {
    cat <<'LIST'
bin/tarvo
bin/tarvo-capture
share/applications/org.velmora.Tarvo.desktop
share/doc/tarvo/changelog.gz
share/doc/tarvo/copyright
share/icons/hicolor/16x16/apps/tarvo.png
share/icons/hicolor/24x24/apps/tarvo.png
share/icons/hicolor/32x32/apps/tarvo.png
share/icons/hicolor/48x48/apps/tarvo.png
share/icons/hicolor/64x64/apps/tarvo.png
share/man/man1/tarvo-capture.1.gz
share/man/man6/tarvo.6.gz
share/metainfo/org.velmora.Tarvo.metainfo.xml
LIST
}

# The files and links under a folder, relative to it, sorted.
files_under() { (cd "$1" && find . -type f -o -type l) | sed 's|^\./||' | LC_ALL=C sort; }

# Each program prints its name and the package's version; neither may open a window to do it.
check_versions() {
    local bindir=$1 version=$2 program printed
    for program in tarvo tarvo-capture; do
        printed=$(env -u DISPLAY -u WAYLAND_DISPLAY timeout -s KILL 20 "$bindir/$program" --version) ||
            fail "$program --version failed"
        [ "$printed" = "$program $version" ] || fail "$program --version printed '$printed', not '$program $version'"
    done
}

# tarvo-capture writes the programme's first frame, the one the golden test knows.
check_capture() {
    local capture=$1 work=$2 golden=$3 differing
    rm -rf "$work/frames"
    mkdir -p "$work/frames"
    timeout -s KILL 120 "$capture" --at 0 --out "$work/frames" || fail "tarvo-capture --at 0 failed"
    [ "$(identify -format %wx%h "$work/frames/0.png")" = 640x480 ] || fail "frames/0.png is not a 640x480 picture"
    differing=$(compare -metric AE -fuzz 4% "$work/frames/0.png" "$golden" null: 2>&1) || true
    awk -v n="$differing" 'BEGIN { exit !(n ~ /^[0-9.e+]+$/ && n < 3072) }' ||
        fail "frames/0.png is not the programme's first frame ($differing pixels differ)"
}

# The desktop entry and the metadata valid, each naming what the install holds; the manual pages
# render without a warning.
check_desktop_files() {
    local root=$1 prefix=$2 version=$3
    local share=$root$prefix/share page
    local desktop=$share/applications/org.velmora.Tarvo.desktop
    local metainfo=$share/metainfo/org.velmora.Tarvo.metainfo.xml
    desktop-file-validate "$desktop" || fail "desktop-file-validate: $desktop"
    appstreamcli validate --no-net "$metainfo" >/dev/null || fail "appstreamcli validate: $metainfo"
    [ -x "$root$prefix/bin/$(sed -n 's/^Exec=//p' "$desktop")" ] || fail "the entry's Exec is not an installed program"
    [ -f "$share/icons/hicolor/48x48/apps/$(sed -n 's/^Icon=//p' "$desktop").png" ] || fail "the entry's Icon is not installed"
    [ "$(sed -n 's/^Categories=//p' "$desktop")" = "$(grep -o '<category>[^<]*' "$metainfo" | sed 's/<category>//; s/$/;/' | tr -d '\n')" ] ||
        fail "the metadata's categories are not the desktop entry's"
    grep -q "<release version=\"$version\"" "$metainfo" || fail "the metadata's release is not $version"
    for page in "$share/man/man6/tarvo.6.gz" "$share/man/man1/tarvo-capture.1.gz"; do
        [ -z "$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings=w -l "$page" 2>&1 >/dev/null)" ] || fail "man warns about $page"
        zcat "$page" | mandoc -Tlint -Wwarning || fail "mandoc -Tlint: $page"
        grep -q "\"Tarvo $version\"" <<<"$(zcat "$page" | sed -n 1p)" || fail "$page does not show version $version"
    done
}
