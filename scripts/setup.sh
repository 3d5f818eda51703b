#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Plexor need (as root).
set -euo pipefail
packages=(cmake make g++ pkg-config qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev libbenchmark-dev
          fonts-liberation2 xvfb xauth desktop-file-utils git "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
