#!/usr/bin/env bash
# Installs the Debian packages that the web build and its tests need: Emscripten (with its own
# clang, binaryen and node modules), the tools that unpack and build libopenmpt's source package,
# Chromium, Firefox (in a window on Xvfb, its sound on PulseAudio), node and npm for the browser
# tests, and Python for make serve-web. Idempotent: quiet
# and quick when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config make
  emscripten dpkg-dev
  chromium firefox-esr xvfb pulseaudio nodejs python3
)
# npm for the tests' puppeteer-core: Debian packs it apart from nodejs; other builds of node bring
# their own.
command -v npm >/dev/null || packages+=(npm)

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup-web: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
