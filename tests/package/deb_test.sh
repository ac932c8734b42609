#!/usr/bin/env bash
# Packages the build tree with CPack, as make deb does, and checks the .deb.
# Usage: deb_test.sh BUILD_DIR WORK_DIR VERSION
set -euo pipefail
build=$1 work=$2 version=$3

rm -rf "$work"
cpack --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
"$(dirname "$0")/check_deb.sh" "$work/tarvo_${version}_amd64.deb" "$version"
