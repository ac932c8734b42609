#!/usr/bin/env bash
# cmake --install into a temporary DESTDIR: every file where it belongs and nothing else, the icon
# the same pixels as the generated 143.ico at each of its sizes, the desktop files valid, and the
# installed tarvo-capture writing a frame.
# Usage: install_tree_test.sh BUILD_DIR WORK_DIR ICO GOLDEN_FIRST_FRAME VERSION
set -euo pipefail
. "$(dirname "$0")/lib.sh"
build=$1 work=$2 ico=$3 golden=$4 version=$5
root=$work/root prefix=/opt/tarvo

rm -rf "$work"
mkdir -p "$work"
DESTDIR=$root cmake --install "$build" --prefix "$prefix" >/dev/null
[ "$(files_under "$root$prefix")" = "$(installed_files)" ] ||
    fail "the installed files differ from the list:$(diff <(installed_files) <(files_under "$root$prefix"))"
[ "$(files_under "$root")" = "$(files_under "$root$prefix" | sed "s|^|${prefix#/}/|")" ] ||
    fail "something was installed outside the prefix"

sizes=$(identify -format '%wx%h\n' "$ico")
[ "$(sort -n <<<"$sizes")" = "$(cd "$root$prefix/share/icons/hicolor" && ls -d -- *x* | sort -n)" ] ||
    fail "the theme's icon sizes are not the icon's: $(echo $sizes)"
index=0
for size in $sizes; do
    cmp -s <(convert "$ico[$index]" rgba:-) <(convert "$root$prefix/share/icons/hicolor/$size/apps/tarvo.png" rgba:-) ||
        fail "the $size icon's pixels differ from 143.ico's"
    index=$((index + 1))
done

check_desktop_files "$root" "$prefix" "$version"
check_capture "$root$prefix/bin/tarvo-capture" "$work" "$golden"
echo "installed tree under $root$prefix checked"
