#!/usr/bin/env bash
# Checks that a Windows executable is a 32-bit GUI program that imports only DLLs that ship with
# Windows itself, so that it runs without any runtime installed beside it.
# Usage: check_imports.sh EXE
set -euo pipefail
exe=$1
objdump=i686-w64-mingw32-objdump
system_dlls='^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|rpcrt4|winmm|opengl32|glu32|msvcrt)\.dll$'

fail() { echo "FAIL: $exe: $*" >&2; exit 1; }

headers=$($objdump -p "$exe") || fail "not a PE file"
grep -q 'file format pei-i386' <<<"$headers" || fail "not a 32-bit (i386) executable"
grep -Eq '^Subsystem[[:space:]]+0*2[[:space:]]' <<<"$headers" || fail "not a GUI (windows subsystem) executable"

imports=$(awk '/DLL Name:/ { print tolower($3) }' <<<"$headers" | sort -u)
[ -n "$imports" ] || fail "imports no DLL at all"
others=$(grep -Ev "$system_dlls" <<<"$imports" || true)
[ -z "$others" ] || fail "imports DLLs that are not part of Windows: $(echo $others)"
echo "$exe imports only system DLLs: $(echo $imports)"
