#!/usr/bin/env bash
# Installs the Debian packages that the browser tests need: Chromium, and Node.js to drive it
# (only when no node is on the PATH already). Idempotent: quiet and quick when everything is there.
set -euo pipefail

packages=(chromium)
command -v node >/dev/null || packages+=(nodejs)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "setup-web: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
