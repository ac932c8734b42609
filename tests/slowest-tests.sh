#!/bin/sh
# Prints the ten slowest tests of the last ctest run in a build folder with their times, so that a
# test that grows is noticed. Usage: tests/slowest-tests.sh BUILD_DIR TITLE
log="$1/Testing/Temporary/LastTest.log"
[ -r "$log" ] || { echo "no ctest log in $1" >&2; exit 1; }
echo "The ten slowest tests ($2):"
awk '/^[0-9]+\/[0-9]+ Test: / { sub(/^[0-9]+\/[0-9]+ Test: /, ""); name = $0 }
     /^Test time = / { printf "%8.2f s  %s\n", $4, name }' "$log" | sort -rn | head -10
