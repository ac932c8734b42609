#!/usr/bin/env bash
# Installs the Debian packages that the Windows build and its tests need: the i686 mingw-w64
# cross compiler (posix threads, for std::thread and std::mutex), the tools that unpack and build
# libopenmpt's source package, 32-bit wine with Mesa's 32-bit OpenGL, and the tools of the wine
# tests. Idempotent: quiet and quick when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config make
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686
  dpkg-dev zip
  wine wine32:i386 libgl1:i386 libgl1-mesa-dri:i386
  xvfb xdotool imagemagick
)

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup-windows: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
# wine32 and the 32-bit GL libraries come from the i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
