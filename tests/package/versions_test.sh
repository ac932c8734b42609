#!/usr/bin/env bash
# The installed programs' --version prints the package's version.
# Usage: versions_test.sh BUILD_DIR WORK_DIR VERSION
set -euo pipefail
. "$(dirname "$0")/lib.sh"
build=$1 work=$2 version=$3

rm -rf "$work"
DESTDIR=$work/root cmake --install "$build" --prefix /usr >/dev/null
check_versions "$work/root/usr/bin" "$version"
echo "tarvo and tarvo-capture print version $version"
