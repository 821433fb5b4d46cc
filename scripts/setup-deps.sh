#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Lodera need.
# Safe to run again: it asks apt only for what is missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-translations-l10n libgl-dev
  libsqlcipher-dev sqlcipher sqlite3
  libgtest-dev
  fonts-liberation2 fonts-dejavu-core
  cups cups-client cups-filters printer-driver-cups-pdf poppler-utils libcups2-dev
  xvfb xauth xdotool imagemagick
  clang-14 libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Kuruluyor: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
