#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing Tarvo need.
# Idempotent: quiet and quick when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libsdl2-dev libopenmpt-dev libx11-dev
  libgl-dev libglu1-mesa-dev libegl-dev libgles-dev libegl-mesa0 libgl1-mesa-dri
  libpng-dev zlib1g-dev libfreetype-dev fonts-dejavu-core
  libavformat-dev libavcodec-dev libswscale-dev libswresample-dev libavutil-dev
  libgtest-dev libbenchmark-dev
  xvfb xdotool imagemagick
  dpkg-dev lintian desktop-file-utils appstream man-db mandoc
  ffmpeg time
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "setup: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
